#include "printing/qt/print_fonts.h"

#include <QFontDatabase>
#include <QHash>
#include <cmath>

namespace spf::print {

QString InstalledFamily(const QString& family) {
    // Looking a family up scans the font database; a layout asks thousands of times.
    static QHash<QString, QString> known;
    const auto it = known.constFind(family);
    if (it != known.constEnd()) return *it;
    const QString installed = QFontDatabase::hasFamily(family) ? family : QStringLiteral("Liberation Sans");
    known.insert(family, installed);
    return installed;
}

QFont ToQFont(const PrintFont& font) {
    QFont f(InstalledFamily(QString::fromStdString(font.name)));
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(font.size * 2540.0 / 72.0))));
    f.setBold(font.style == FontStyle::Bold);
    f.setItalic(font.style == FontStyle::Italic);
    // Outlines scale exactly from measuring to any output resolution.
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::ForceOutline);
    return f;
}

}  // namespace spf::print
