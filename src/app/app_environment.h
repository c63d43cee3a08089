// What the main window takes from its surroundings; tests replace the
// dialogs, the desktop and the folders.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QUrl;

namespace spf {

class Clock;
class UserPrompts;

struct AppEnvironment {
    QString programDir;                        // the files that ship beside the program
    QString logPath;                           // the work log, created empty at start
    QString documentsFolder;                   // where the file dialogs start
    QStringList arguments;                     // a document to open at start-up, if any
    UserPrompts* prompts = nullptr;            // none: the platform's message boxes and dialogs
    std::function<bool(const QUrl&)> openUrl;  // none: the desktop's handler
    const Clock* clock = nullptr;              // none: the system clock
    int introductionDelayMs = 500;

    // The environment of the installed program.
    static AppEnvironment ForProgram(const QStringList& arguments);
};

}  // namespace spf
