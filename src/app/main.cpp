// The program: the start window, the main window opened maximised, and the
// document named on the command line, if any.
#include <QApplication>
#include <QScreen>

#include "app/app_environment.h"
#include "app/main_window.h"
#include "app/product_info.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(spf::kProductName));
    QApplication::setApplicationDisplayName(QString::fromUtf8(spf::kProductName));
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    spf::MainWindow window(spf::AppEnvironment::ForProgram(arguments));
    // Maximised also where no window manager honours the request.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    return QApplication::exec();
}
