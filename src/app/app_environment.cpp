#include "app/app_environment.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace spf {

AppEnvironment AppEnvironment::ForProgram(const QStringList& arguments) {
    AppEnvironment env;
    env.programDir = QCoreApplication::applicationDirPath();
    env.logPath = QDir(QStandardPaths::writableLocation(QStandardPaths::TempLocation))
                      .filePath(QStringLiteral("monit.tmp"));
    env.documentsFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    env.arguments = arguments;
    return env;
}

}  // namespace spf
