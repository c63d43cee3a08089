#include "app/app_settings.h"

#include <QSettings>

namespace spf {

namespace {
QSettings Store() { return QSettings(QStringLiteral("Tamsor"), QStringLiteral("Kolbex")); }
}  // namespace

QString AppSettings::LastFile() const { return Store().value(QStringLiteral("LastFile")).toString(); }

void AppSettings::SetLastFile(const QString& path) { Store().setValue(QStringLiteral("LastFile"), path); }

bool AppSettings::ShowIntroduction() const {
    return Store().value(QStringLiteral("BegInfo")).toString() != QStringLiteral("No");
}

void AppSettings::SuppressIntroduction() {
    Store().setValue(QStringLiteral("BegInfo"), QStringLiteral("No"));
}

}  // namespace spf
