#include "app_harness.h"

#include <QDir>
#include <QFile>
#include <QSettings>

#include "catalogue_fixture.h"
#include "model/file/spf_writer.h"
#include "test_paths.h"

namespace spf::testing {

Answer ScriptedPrompts::AskYesNoCancel(const QString&, const QString& text) {
    questions << text;
    if (answers.empty()) return Answer::Cancel;
    const Answer a = answers.front();
    answers.pop_front();
    return a;
}

bool ScriptedPrompts::AskYesNo(const QString& title, const QString& text) {
    return AskYesNoCancel(title, text) == Answer::Yes;
}

void ScriptedPrompts::Inform(const QString&, const QString& text) { informations << text; }

void ScriptedPrompts::ReportError(const QString&, const QString& text) { errors << text; }

QString ScriptedPrompts::OpenFileName(const QString&) {
    ++openDialogs;
    if (openNames.empty()) return {};
    const QString name = openNames.front();
    openNames.pop_front();
    return name;
}

QString ScriptedPrompts::SaveFileName(const QString&, const QString& proposed) {
    saveProposals << proposed;
    if (saveNames.empty()) return {};
    const QString name = saveNames.front();
    saveNames.pop_front();
    return name;
}

QString ScriptedPrompts::SaveSpreadsheetName(const QString& folder, const QString& proposed) {
    spreadsheetProposals << QDir(folder).filePath(proposed);
    if (spreadsheetNames.empty()) return {};
    const QString name = spreadsheetNames.front();
    spreadsheetNames.pop_front();
    return name;
}

TestBed::TestBed() {
    const QDir shipped(QStringLiteral(SPF_SOURCE_DIR "/resources/shipped"));
    for (const QString& name : shipped.entryList(QDir::Files))
        QFile::copy(shipped.filePath(name), QDir(ProgramDir()).filePath(name));
    Workbook workbook = CatalogueWorkbook();
    const std::string bytes = WriteDocumentBytes(workbook);
    QFile file(QDir(ProgramDir()).filePath(QStringLiteral("empty.spf")));
    if (file.open(QIODevice::WriteOnly)) file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

QString TestBed::WriteStatement(const QString& name) const {
    Workbook workbook = CatalogueWorkbook();
    const std::string bytes = WriteDocumentBytes(workbook);
    return WriteText(name, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

QString TestBed::WriteText(const QString& name, const QByteArray& bytes) const {
    const QString path = QDir(DocumentsDir()).filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    return path;
}

std::unique_ptr<MainWindow> TestBed::Window(const QStringList& arguments, int introDelayMs) {
    AppEnvironment env;
    env.programDir = ProgramDir();
    env.logPath = QDir(ProgramDir()).filePath(QStringLiteral("monit.tmp"));
    env.documentsFolder = DocumentsDir();
    env.arguments = arguments;
    env.prompts = &prompts;
    env.openUrl = [this](const QUrl& url) {
        openedUrls << url;
        return desktopOpens;
    };
    env.introductionDelayMs = introDelayMs;
    auto window = std::make_unique<MainWindow>(env);
    window->resize(1000, 700);
    return window;
}

void ClearSettings() { QSettings(QStringLiteral("Tamsor"), QStringLiteral("Kolbex")).clear(); }

}  // namespace spf::testing
