// bench_grid [LIBRARY] [--rows N] [--no-batch]: fills a GridData of ten columns
// from 100,000 movements of a large sample library with AppendNumberedRow, as the
// list forms do, and shows it in a GridView (offscreen) up to its first paint.
// Reports the time of each step and the process's peak memory (VmHWM). --rows 0
// shows an empty list; no step waits longer than a few seconds for a paint.
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <cstdio>

#include "bench_args.h"
#include "bench_library.h"
#include "db/database.h"
#include "db/row_sinks.h"
#include "ui/grid_data.h"
#include "ui/grid_view.h"

using namespace zelkor;

namespace {

// Counts the paints of the list's viewport.
class PaintWatch : public QObject {
  public:
    int paints = 0;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return QObject::eventFilter(o, e);
    }
};

// Runs the event loop until the viewport has painted more than `seen` times; false
// when no paint comes within the time (nothing on screen changed).
bool waitForPaint(QApplication& app, const PaintWatch& watch, int seen, int timeoutMs = 5000) {
    QElapsedTimer t;
    t.start();
    while (watch.paints == seen) {
        if (t.elapsed() > timeoutMs) return false;
        app.processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

double ms(QElapsedTimer& t) {
    const double v = static_cast<double>(t.nsecsElapsed()) / 1e6;
    t.restart();
    return v;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench::BenchArgs args(argc, argv, "usage: bench_grid [library.db] [--rows N] [--no-batch]", {"--rows"},
                          {"--no-batch"});
    const int rows = args.number("--rows", 100000, 0, 100000000);
    const bool batch = !args.flag("--no-batch");
    if (!args.ok()) return 2;
    const QString path = bench::BenchLibrary(args.path());
    if (path.isEmpty()) return 1;
    QString error;
    auto db = Database::open(path, &error, Database::Mode::ExistingOnly);
    if (!db) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(error));
        return 1;
    }
    const long baseKiB = bench::PeakMemoryKiB();

    // The list as the transaction history shows it: the row number and nine columns.
    GridData grid;
    grid.setColumns({{"No.", 50, Align::Left},
                     {"Id", 120, Align::Left},
                     {"Tgl. Pinjam", 90, Align::Center},
                     {"Member", 80, Align::Left},
                     {"Trans", 70, Align::Center},
                     {"Item", 80, Align::Left},
                     {"Tgl. Kembali", 90, Align::Center},
                     {"Status", 50, Align::Center},
                     {"Operator", 70, Align::Left},
                     {"Tgl. Return", 90, Align::Center}});
    GridView view(grid);
    view.resize(1024, 700);
    PaintWatch watch;
    view.viewport()->installEventFilter(&watch);
    QElapsedTimer t;
    t.start();

    const QString sql =
        "select Id, TglPinjam, IdMember, KodeTrans, IdItemPerpus, TglKembali, Status, Ops, TglReturn "
        "from TransPerpus order by Id limit ?";
    DbResult r;
    if (batch) {
        GridData::Batch b(grid);
        r = db->exec(sql, {rows}, AppendNumberedRow(grid));
    } else {
        r = db->exec(sql, {rows}, AppendNumberedRow(grid));
    }
    if (!r) {
        std::fprintf(stderr, "SQL error: %s\n", qPrintable(r.error));
        return 1;
    }
    const double fill = ms(t);
    const long filledKiB = bench::CurrentMemoryKiB();

    view.show();
    waitForPaint(app, watch, 0);
    const double show = ms(t);

    // Scrolling to the end paints the last rows, a second measure of the view. A
    // list that fits the view has no end to scroll to.
    double scroll = -1;
    if (view.verticalScrollBar()->maximum() > 0) {
        view.scrollToBottom();
        if (waitForPaint(app, watch, watch.paints)) scroll = ms(t);
    }
    const long peakKiB = bench::PeakMemoryKiB();
    std::printf("library: %s\n", qPrintable(path));
    std::printf("rows %d x %d columns%s\n", grid.rowCount(), grid.columnCount(), batch ? "" : " (no Batch)");
    std::printf("query + fill GridData: %8.1f ms\n", fill);
    std::printf("show + first paint:    %8.1f ms\n", show);
    std::printf("total:                 %8.1f ms\n", fill + show);
    if (scroll >= 0)
        std::printf("scroll to end + paint: %8.1f ms\n", scroll);
    else
        std::printf("scroll to end + paint:      (the list fits the view)\n");
    std::printf("memory after the fill: %8.1f MB (VmRSS)\n", filledKiB / 1024.0);
    std::printf("peak memory (VmHWM):   %8.1f MB (%.1f MB before the grid, %.1f MB for it)\n",
                peakKiB / 1024.0, baseKiB / 1024.0, (peakKiB - baseKiB) / 1024.0);
    return grid.rowCount() == rows ? 0 : 1;
}
