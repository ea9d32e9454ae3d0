// Times both grid exports of a large grid (100,000 rows of ten columns unless
// told otherwise) and reports the peak memory of each step:
//
//   build/bin/bench_export [rows]
//
// Each step starts from a reset high-water mark (/proc/self/clear_refs), so
// "peak" is the most the process held during that step alone; "above" is that
// peak less what the process held before it (the grid itself). The modules write
// into a temporary working directory and open nothing.
#include <malloc.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>

#include "app/app_context.h"
#include "bench_args.h"
#include "quiet_services.h"
#include "reports/export_packages.h"
#include "reports/grid_export.h"
#include "ui/grid_data.h"
#include "ui/qt_services.h"

using namespace zelkor;

namespace {

// A /proc/self/status figure in kB.
long statusKb(const char* key) {
    QFile f("/proc/self/status");
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(key)) return line.mid(qstrlen(key)).trimmed().split(' ').value(0).toLong();
    return -1;
}

void resetPeak() {
    QFile f("/proc/self/clear_refs");
    if (f.open(QIODevice::WriteOnly)) f.write("5");
}

void step(const char* name, const std::function<QString()>& run) {
    malloc_trim(0);  // what earlier steps freed no longer counts as held
    const long before = statusKb("VmRSS:");
    resetPeak();
    const auto t0 = std::chrono::steady_clock::now();
    const std::clock_t c0 = std::clock();
    const QString result = run();
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    // The processor time too: on a busy machine the wall clock mostly measures the others.
    const double cpu = static_cast<double>(std::clock() - c0) / CLOCKS_PER_SEC;
    const long peak = statusKb("VmHWM:");
    std::printf("%-34s %8.3f s (cpu %6.3f s)   peak %7.1f MB   above %7.1f MB   %s\n", name, s, cpu,
                peak / 1024.0, (peak - before) / 1024.0, qPrintable(result));
}

QString megabytes(size_t bytes) {
    return QString::number(bytes / 1048576.0, 'f', 1) + " MB";
}

void fillGrid(GridData& g, int rows) {
    g.addColumn("No.", 40, Align::Right);
    g.addColumn("Id", 80, Align::Center);
    g.addColumn("Nama Item", 220);
    g.addColumn("Pengarang", 140);
    g.addColumn("Penerbit", 140);
    g.addColumn("ISBN", 110);
    g.addColumn("Rak", 50, Align::Center);
    g.addColumn("Stok", 50, Align::Right);
    g.addColumn("Denda", 70, Align::Right);
    g.addColumn("Harga Rental", 90, Align::Right);
    g.reserve(rows);
    GridData::Batch batch(g);
    for (int r = 0; r < rows; ++r)
        g.appendRow({QString::number(r + 1) + ".", QString("B%1").arg(r + 1, 6, 10, QChar('0')),
                     QString("Judul buku nomor %1, jilid %2").arg(r).arg(r % 3 + 1),
                     QString("Pengarang %1").arg(r % 997), QString("Penerbit %1").arg(r % 53),
                     QString("978602%1").arg(1000000 + r), QString("A%1").arg(r % 20), QString::number(r % 7),
                     "1.500", QString::number(r % 4 * 2500) + ".0"});
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    bench::BenchArgs args(argc, argv, "usage: bench_export [rows]  (0 to 1000000, 100000 unless given)");
    bool isNumber = args.path().isEmpty();
    const int rows = isNumber ? 100000 : args.path().toInt(&isNumber);
    if (!args.ok()) return 2;
    if (!isNumber || rows < 0 || rows > 1000000) {
        std::fprintf(stderr, "usage: bench_export [rows]  (0 to 1000000, 100000 unless given)\n");
        return 2;
    }
    qputenv("ZELKOR_EXPORT_NO_OPEN", "1");
    QTemporaryDir work;
    QDir::setCurrent(work.path());

    bench::QuietMessages messages(bench::QuietMessages::Echo::Yes);
    SystemClock clock;
    bench::NoFileDialogs files;
    bench::NoPrinters printers;
    QString error;
    AppContext ctx(Database::open(QString(), &error), AppServices{messages, clock, files, printers});
    ctx.programDir = QCoreApplication::applicationDirPath();
    ctx.libraryName = "Perpus Harapan";
    ctx.libraryAddress = "Jl. Merdeka No. 5, Bandung";

    std::printf("grid: %d rows x 10 columns\n", rows);
    GridData grid;
    step("fill the grid", [&] {
        fillGrid(grid, rows);
        return QString();
    });
    step("browser package", [&] {
        const BrowserPackage p =
            BuildBrowserPackage("LAPORAN DATA ITEM PERPUSTAKAAN", ctx.libraryName, ctx.libraryAddress, grid);
        return megabytes(p.information.size() + p.headers.size() + p.rows.size());
    });
    step("spreadsheet package", [&] { return megabytes(BuildSpreadsheetPackage(grid).data.size()); });
    step("ReportGridToBrowser (exptohtml)", [&] {
        const QString path =
            ReportGridToBrowser(ctx, "LAPORAN DATA ITEM PERPUSTAKAAN", grid).value_or("failed");
        return QFileInfo(path).fileName() + " " + megabytes(QFileInfo(path).size());
    });
    ctx.exportGrid = &grid;
    step("ExportGridToSpreadsheet (exptoxls)", [&] {
        const QString path = ExportGridToSpreadsheet(ctx).value_or("failed");
        return QFileInfo(path).fileName() + " " + megabytes(QFileInfo(path).size());
    });
    return 0;
}
