// Start-up to the login window on a library database.
//
//   bench_startup [DB] [--runs N] [--user USER --password PASSWORD] [--in-place]
//
// 1. The real program, N times: build/bin/zelkor started in a fresh folder whose
//    conn.txt names DB, with ZELKOR_BENCH_STARTUP=1 so it reports the time from
//    main() to the shown login form and stops there. Wall time is from the start
//    of the process to its end, processor time the process's own (user + system).
//    Beside it, the floor: this benchmark started again to show a bare Qt dialog
//    with two fields and stop (--bare-dialog).
// 2. In this process: opening DB as start-up does, building the main window, and
//    with --user the check of one log-in (the password hash is slow on purpose).
//
// The program may change the library it opens (newer indexes, the journal), so it
// runs on a copy unless --in-place. Without a display it runs on the offscreen
// platform, and so does the program.
#include <sys/resource.h>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFormLayout>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "accounts/login.h"
#include "app/startup.h"
#include "bench_args.h"
#include "bench_library.h"
#include "program/main_window.h"
#include "quiet_services.h"
#include "ui/qt_services.h"

namespace {

struct Stats {
    std::vector<double> ms;
    void add(double v) { ms.push_back(v); }
    double median() const {
        std::vector<double> v = ms;
        std::sort(v.begin(), v.end());
        return v.empty() ? 0 : v[v.size() / 2];
    }
    void print(const char* what) {
        if (ms.empty()) return;
        std::sort(ms.begin(), ms.end());
        std::printf("%-38s min %8.2f  median %8.2f  max %8.2f ms  (%zu runs)\n", what, ms.front(),
                    ms[ms.size() / 2], ms.back(), ms.size());
    }
};

double msSince(const QElapsedTimer& t) {
    return t.nsecsElapsed() / 1e6;
}

// Processor time of the child processes ended and waited for so far.
double childrenCpuMs() {
    rusage u{};
    getrusage(RUSAGE_CHILDREN, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
}

// The floor: a bare dialog with two fields, shown and painted, then the end.
int bareDialog() {
    QDialog dialog;
    auto* form = new QFormLayout(&dialog);
    form->addRow("User", new QLineEdit(&dialog));
    form->addRow("Password", new QLineEdit(&dialog));
    dialog.show();
    QTimer::singleShot(0, &dialog, [] { QCoreApplication::quit(); });
    return QApplication::exec();
}

bool writeConn(const QString& dir, const QString& db) {
    QFile conn(QDir(dir).filePath("conn.txt"));
    QFile perpus(QDir(dir).filePath("perpus.txt"));
    if (!conn.open(QIODevice::WriteOnly) || !perpus.open(QIODevice::WriteOnly)) return false;
    conn.write((db + ";-;-\n").toUtf8());
    perpus.write("Perpustakaan Bench;Jl. Uji 1;0000;bench@perpus.id;-\n");
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zelkor::bench::BenchArgs args(
        argc, argv, "usage: bench_startup [DB] [--runs N] [--user USER --password PASSWORD] [--in-place]",
        {"--runs", "--user", "--password"}, {"--in-place", "--bare-dialog"});
    if (args.flag("--bare-dialog")) return bareDialog();
    const int runs = args.number("--runs", 10, 1, 1000);
    const QString user = args.value("--user"), password = args.value("--password");
    if (!args.ok()) return 2;
    QString db = zelkor::bench::BenchLibrary(args.path());
    if (db.isEmpty()) return 1;
    QTemporaryDir copyDir;
    if (!args.flag("--in-place")) {
        db = zelkor::bench::CopyLibrary(db, copyDir.path());
        if (db.isEmpty()) return 1;
    }
    db = QFileInfo(db).absoluteFilePath();
    std::printf("database %s (%.1f MB)\n", qPrintable(db), QFileInfo(db).size() / 1048576.0);

    // 1. The real program.
    const QString program = QDir(QCoreApplication::applicationDirPath()).filePath("zelkor");
    Stats wall, cpu, bareWall, bareCpu, inProcess, painted;
    for (int r = 0; r < runs; ++r) {
        QTemporaryDir dir;
        if (!writeConn(dir.path(), db)) return 1;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("ZELKOR_BENCH_STARTUP", "1");
        if (QGuiApplication::platformName() == "offscreen") env.insert("QT_QPA_PLATFORM", "offscreen");
        {
            QProcess bare;
            bare.setProcessEnvironment(env);
            const double cpu0 = childrenCpuMs();
            QElapsedTimer t;
            t.start();
            bare.start(QCoreApplication::applicationFilePath(), {"--bare-dialog"});
            if (!bare.waitForFinished(60000) || bare.exitCode() != 0) {
                std::fprintf(stderr, "the bare dialog did not show\n");
                return 1;
            }
            bareWall.add(msSince(t));
            bareCpu.add(childrenCpuMs() - cpu0);
        }
        QProcess p;
        p.setWorkingDirectory(dir.path());
        p.setProcessEnvironment(env);
        const double cpu0 = childrenCpuMs();
        QElapsedTimer t;
        t.start();
        p.start(program, {});
        if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
            p.kill();
            std::fprintf(stderr, "zelkor did not reach the login window: %s\n",
                         p.readAllStandardError().constData());
            return 1;
        }
        wall.add(msSince(t));
        cpu.add(childrenCpuMs() - cpu0);
        const QString err = QString::fromUtf8(p.readAllStandardError());
        const qsizetype at = err.indexOf("startup-to-login-ms: ");
        if (at >= 0) {
            const QStringList f = err.mid(at).split(' ', Qt::SkipEmptyParts);
            inProcess.add(f.value(1).toDouble());
            painted.add(f.value(3).remove(')').toDouble());
        }
    }
    std::printf("platform %s\n", qPrintable(QGuiApplication::platformName()));
    wall.print("process start to exit at login");
    cpu.print("  its processor time");
    bareWall.print("floor: a bare dialog, start to exit");
    bareCpu.print("  its processor time");
    std::printf("processor time to the floor's: %.2fx (medians)\n",
                cpu.median() / std::max(bareCpu.median(), 0.001));
    inProcess.print("main() to login form shown");
    painted.print("main() to login form painted");

    // 2. The parts, in this process.
    zelkor::bench::QuietMessages messages(zelkor::bench::QuietMessages::Echo::Yes);
    zelkor::SystemClock clock;
    zelkor::bench::NoFileDialogs files;
    zelkor::bench::NoPrinters printers;
    Stats open, window, login;
    for (int r = 0; r < runs; ++r) {
        QTemporaryDir dir;
        if (!writeConn(dir.path(), db)) return 1;
        QElapsedTimer t;
        t.start();
        auto ctx = zelkor::StartUp(dir.path(), dir.path(), {messages, clock, files, printers});
        if (!ctx) return 1;
        open.add(msSince(t));
        t.restart();
        {
            zelkor::MainWindow w(*ctx);
            w.setLoginStep([](zelkor::MainWindow&) { return true; });
            w.finishCreation();
            w.show();
            QCoreApplication::processEvents();
            window.add(msSince(t));
        }
        if (!user.isEmpty()) {
            t.restart();
            if (!zelkor::CheckLogin(*ctx, user, password)) std::fprintf(stderr, "login refused\n");
            login.add(msSince(t));
        }
    }
    open.print("conn.txt read and database opened");
    window.print("main window built and shown");
    login.print("one log-in checked");
    return 0;
}
