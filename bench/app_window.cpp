// The application as a user meets it: start-up to an idle main window with
// the template loaded, loading the filled example, moving to the next sheet
// (fit and recalculation included), and the peak memory of the process.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSettings>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "app/document_lifecycle.h"
#include "app/main_window.h"
#include "workbench/catalogue/sheet_navigator.h"

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Lets every pending event, paint and the 10 ms recalculation run.
void Settle() {
    QApplication::processEvents();
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 15) QApplication::processEvents(QEventLoop::AllEvents, 5);
}

long PeakMemoryKb() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmHWM:") {
            status >> value;
            return value;
        }
        status.ignore(4096, '\n');
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    const auto processStart = Clock::now();
    QApplication app(argc, argv);
    QSettings(QStringLiteral("Tamsor"), QStringLiteral("Kolbex"))
        .setValue(QStringLiteral("BegInfo"), QStringLiteral("No"));

    const QString programDir = QStringLiteral(SPF_PROGRAM_DIR);
    spf::AppEnvironment env;
    env.programDir = programDir;
    env.logPath = QDir(config.path()).filePath(QStringLiteral("monit.tmp"));
    env.documentsFolder = config.path();
    env.arguments = {QDir(programDir).filePath(QStringLiteral("empty.spf"))};
    spf::MainWindow window(env);
    window.resize(1280, 900);
    window.show();
    window.RunStartupChoice();
    Settle();
    // The settle wait itself is not start-up time.
    std::printf("app_startup_to_idle %.1f ms\n", MsSince(processStart) - 15.0);

    const QString example = QStringLiteral(SPF_EXAMPLE_FILE);
    auto start = Clock::now();
    window.document().Load(example);
    QApplication::processEvents();
    std::printf("app_load_example %.1f ms\n", MsSince(start));
    Settle();

    std::vector<double> steps;
    window.navigator().ChangeToSheet("RZiS_p");
    Settle();
    for (int i = 0; i + 1 < window.pages()->count(); ++i) {
        start = Clock::now();
        window.navigator().NextSheet();
        QApplication::processEvents();
        steps.push_back(MsSince(start));
    }
    std::sort(steps.begin(), steps.end());
    double total = 0;
    for (double s : steps) total += s;
    std::printf("app_next_sheet_mean %.1f ms\n", total / static_cast<double>(steps.size()));
    std::printf("app_next_sheet_max %.1f ms\n", steps.back());
    std::printf("app_peak_memory %.1f MB\n", static_cast<double>(PeakMemoryKb()) / 1024.0);
    return 0;
}
