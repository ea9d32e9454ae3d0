// Zelkor + Rental: start-up. Reads conn.txt, opens the database, creates the
// main window (which runs the login) and runs it until it is closed. Started
// from a folder without conn.txt (as from the desktop's menu), the run keeps its
// files in the user's folders and offers the first-start window when it has no
// library to open.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>

#include "app/startup.h"
#include "core/heap.h"
#include "labels/paper_printers.h"
#include "printing/qt_printers.h"
#include "program/bench_probe.h"
#include "program/first_start_dialog.h"
#include "program/images.h"
#include "program/main_window.h"
#include "ui/qt_services.h"

int main(int argc, char** argv) {
    QElapsedTimer sinceMain;
    sinceMain.start();
    zelkor::KeepFreedHeap();
    QApplication app(argc, argv);
    // The name of the user's folders (~/.config/zelkor, ~/.local/share/zelkor)
    // and the desktop entry the windows belong to.
    QCoreApplication::setApplicationName(QStringLiteral("zelkor"));
    QGuiApplication::setDesktopFileName(QStringLiteral("id.zelkor.Zelkor"));
    zelkor::InitProgramImages();
    zelkor::InstallStartupBenchProbe(sinceMain);

    zelkor::QtMessages messages;
    zelkor::SystemClock clock;
    zelkor::QtFileDialogs files;
    const zelkor::Places places = zelkor::ChoosePlaces(QDir::currentPath());
    // Receipts and vouchers: the receipt printer of "Pengaturan Printer", else the
    // default printer, looked up for every job.
    zelkor::QtPrinters printers([settings = places.configDir] {
        const zelkor::PaperPrinters p = zelkor::ReadPaperPrinters(settings);
        return zelkor::QtPrinters::Choice{p.receipt, p.receiptWidthMm};
    });
    const zelkor::AppServices services{messages, clock, files, printers};
    // The export modules write laporan/ into the working directory.
    if (places.perUser) QDir::setCurrent(places.dataDir);
    auto ctx = places.perUser
                   ? zelkor::StartUpForUser(places, QCoreApplication::applicationDirPath(), services)
                   : zelkor::StartUp(places, QCoreApplication::applicationDirPath(), services);
    if (!ctx) return zelkor::kExitStopped;  // no window was created

    zelkor::MainWindow window(*ctx);
    if (!window.finishCreation()) return zelkor::kExitStopped;
    window.showMaximized();
    // The connection closes with the context when the loop ends.
    return app.exec();
}
