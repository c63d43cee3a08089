// The program: the start window, the main window opened maximised, and the
// document named on the command line, if any.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>

#include "app/app_environment.h"
#include "app/main_window.h"
#include "app/product_info.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(spf::kProductName));
    QApplication::setApplicationDisplayName(QString::fromUtf8(spf::kProductName));
    // The platform's own dialogs speak Polish where its translation is installed.
    QTranslator platformTexts;
    if (platformTexts.load(QLocale(QLocale::Polish, QLocale::Poland), QStringLiteral("qtbase"),
                           QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&platformTexts);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    spf::MainWindow window(spf::AppEnvironment::ForProgram(arguments));
    // Maximised also where no window manager honours the request.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    return QApplication::exec();
}
