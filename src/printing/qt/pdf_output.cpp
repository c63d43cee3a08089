#include "printing/qt/pdf_output.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "printing/qt/print_fonts.h"
#include "printing/qt/qt_text_metrics.h"

namespace spf::print {

namespace {

constexpr int kResolution = 1200;  // dots per inch of the PDF's drawing
constexpr qreal kDotsPerUnit = kResolution / 2540.0;
constexpr int kLineWidth = 10;  // 0.1 mm

QPageLayout LayoutOf(const PageGeometry& g, PageOrientation o) {
    const QPageSize size(QSizeF(g.paperWidth / 100.0, g.paperHeight / 100.0), QPageSize::Millimeter,
                         QString(), QPageSize::ExactMatch);
    return QPageLayout(size, o == PageOrientation::Portrait ? QPageLayout::Portrait : QPageLayout::Landscape,
                       QMarginsF());
}

Qt::Alignment AlignmentOf(HAlign h, VAlign v) {
    const Qt::Alignment horizontal = h == HAlign::Center  ? Qt::AlignHCenter
                                     : h == HAlign::Right ? Qt::AlignRight
                                                          : Qt::AlignLeft;
    const Qt::Alignment vertical = v == VAlign::Center   ? Qt::AlignVCenter
                                   : v == VAlign::Bottom ? Qt::AlignBottom
                                                         : Qt::AlignTop;
    return horizontal | vertical;
}

void DrawPage(QPainter& painter, const RecordingCanvas& canvas, const RecordedPage& page, int number) {
    const PageGeometry& g = canvas.geometry;
    painter.save();
    painter.scale(kDotsPerUnit, kDotsPerUnit);
    painter.translate(g.left, g.top);
    painter.setPen(QPen(Qt::black, kLineWidth));
    for (const RecordedLine& l : page.lines) painter.drawLine(l.x1, l.y1, l.x2, l.y2);
    for (const RecordedText& t : page.texts) {
        const QRectF box(t.box.left, t.box.top, t.box.right - t.box.left, t.box.bottom - t.box.top);
        painter.setFont(ToQFont(t.font));
        painter.setClipRect(box);
        painter.drawText(box.adjusted(t.innerMargin, t.innerMargin, -t.innerMargin, -t.innerMargin),
                         static_cast<int>(AlignmentOf(t.h, t.v) | Qt::TextWordWrap), ToPrintedText(t.text));
    }
    painter.setClipping(false);
    const int width = canvas.PaperWidth(page.orientation) - g.left - g.right;
    const int height = canvas.PaperHeight(page.orientation) - g.top - g.bottom - g.footerBand;
    painter.setFont(ToQFont({"Arial", 8, FontStyle::Regular}));
    painter.drawText(QRectF(0, height, width, g.footerBand), Qt::AlignCenter,
                     QStringLiteral("Strona %1").arg(number));
    painter.restore();
}

}  // namespace

bool WritePdf(const RecordingCanvas& canvas, const QString& path, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error) *error = file.errorString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(kResolution);
        writer.setCreator(QStringLiteral("Sprawozdanie finansowe"));
        writer.setPageLayout(LayoutOf(canvas.geometry, canvas.pages.front().orientation));
        QPainter painter(&writer);
        for (size_t k = 0; k < canvas.pages.size(); ++k) {
            if (k > 0) {
                writer.setPageLayout(LayoutOf(canvas.geometry, canvas.pages[k].orientation));
                writer.newPage();
            }
            DrawPage(painter, canvas, canvas.pages[k], static_cast<int>(k) + 1);
        }
    }
    if (!file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

}  // namespace spf::print
