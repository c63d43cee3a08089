// Paints sheets as the user sees them, to PNG files, without a display:
//   render_sheet [--english] [--width W] [--height H] [--sheet NAME] [--out DIR] [FILE.spf]
// Without FILE the built-in fixture workbook is drawn; without --sheet every sheet.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <cstdio>

#include "model/file/spf_reader.h"
#include "sheet_render.h"
#include "view_fixture.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({QStringLiteral("english"), QStringLiteral("Show the English texts.")});
    parser.addOption(
        {QStringLiteral("width"), QStringLiteral("View width."), QStringLiteral("W"), QStringLiteral("900")});
    parser.addOption({QStringLiteral("height"), QStringLiteral("View height."), QStringLiteral("H"),
                      QStringLiteral("700")});
    parser.addOption({QStringLiteral("sheet"), QStringLiteral("Only this sheet."), QStringLiteral("NAME")});
    parser.addOption({QStringLiteral("out"), QStringLiteral("Output folder."), QStringLiteral("DIR"),
                      QStringLiteral(".")});
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("Statement file (.spf)."));
    parser.process(app);

    spf::Workbook workbook;
    if (parser.positionalArguments().isEmpty()) {
        workbook = spf::test::MakeFixtureBook();
    } else {
        spf::ReadResult read = spf::ReadDocument(parser.positionalArguments().first().toStdString());
        if (!read) {
            std::fprintf(stderr, "render_sheet: %s\n", read.error.Message().c_str());
            return 2;
        }
        workbook = std::move(*read.workbook);
        workbook.DocumentOpen = true;
    }
    workbook.LangID = parser.isSet(QStringLiteral("english")) ? 1 : 0;
    spf::test::ViewHarness harness(std::move(workbook));
    const QString only = parser.value(QStringLiteral("sheet"));
    const QDir out(parser.value(QStringLiteral("out")));
    int written = 0;
    for (const spf::TSheet& sheet : harness.workbook.Sheets) {
        const QString name = QString::fromStdString(sheet.GridName);
        if (!only.isEmpty() && name != only) continue;
        spf::SheetView& view = harness.show(sheet.GridName, parser.value(QStringLiteral("width")).toInt(),
                                            parser.value(QStringLiteral("height")).toInt());
        harness.context.recalculateActiveNow();
        const QString path = out.filePath(name + QStringLiteral(".png"));
        if (!spf::test::RenderViewport(view).save(path)) {
            std::fprintf(stderr, "render_sheet: cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
        ++written;
    }
    if (written == 0) {
        std::fprintf(stderr, "render_sheet: no sheet named %s\n", qPrintable(only));
        return 1;
    }
    return 0;
}
