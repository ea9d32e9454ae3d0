// Zelkor + Rental: start-up. Reads conn.txt, opens the database, creates the
// main window (which runs the login) and runs it until it is closed.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>

#include "app/startup.h"
#include "labels/paper_printers.h"
#include "printing/qt_printers.h"
#include "program/bench_probe.h"
#include "program/images.h"
#include "program/main_window.h"
#include "ui/qt_services.h"

int main(int argc, char** argv) {
    QElapsedTimer sinceMain;
    sinceMain.start();
    QApplication app(argc, argv);
    zelkor::InitProgramImages();
    zelkor::InstallStartupBenchProbe(sinceMain);

    zelkor::QtMessages messages;
    zelkor::SystemClock clock;
    zelkor::QtFileDialogs files;
    // Receipts and vouchers: the receipt printer of "Pengaturan Printer", else the
    // default printer, looked up for every job.
    const QString workDir = QDir::currentPath();
    zelkor::QtPrinters printers([workDir] {
        const zelkor::PaperPrinters p = zelkor::ReadPaperPrinters(workDir);
        return zelkor::QtPrinters::Choice{p.receipt, p.receiptWidthMm};
    });
    auto ctx = zelkor::StartUp(workDir, QCoreApplication::applicationDirPath(),
                               zelkor::AppServices{messages, clock, files, printers});
    if (!ctx) return zelkor::kExitStopped;  // no window was created

    zelkor::MainWindow window(*ctx);
    if (!window.finishCreation()) return zelkor::kExitStopped;
    window.showMaximized();
    // The connection closes with the context when the loop ends.
    return app.exec();
}
