#include "printing/qt/qt_text_metrics.h"

#include <QFontMetricsF>
#include <QString>
#include <cmath>

#include "printing/qt/print_fonts.h"

namespace spf::print {

QString ToPrintedText(std::string_view text) {
    QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

int QtTextMetrics::TextWidth(std::string_view text, const PrintFont& font) {
    return static_cast<int>(std::lround(QFontMetricsF(ToQFont(font)).horizontalAdvance(ToPrintedText(text))));
}

int QtTextMetrics::TextHeight(std::string_view, const PrintFont& font) {
    return static_cast<int>(std::lround(QFontMetricsF(ToQFont(font)).height()));
}

int QtTextMetrics::WrappedHeight(std::string_view text, int width, int innerMargin, const PrintFont& font) {
    const qreal room = std::max(1, width - 2 * innerMargin);
    const QRectF r = QFontMetricsF(ToQFont(font))
                         .boundingRect(QRectF(0, 0, room, 1e9),
                                       Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, ToPrintedText(text));
    return static_cast<int>(std::ceil(r.height())) + 2 * innerMargin;
}

}  // namespace spf::print
