// Item labels for N items (1,000 by default: 42 sheets of 3 x 8) drawn and
// spooled to a CUPS queue (the default printer unless --printer), against the
// floor of spooling as many blank sheets through the same queue. Peak memory is
// the process's VmHWM after the run.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <cstdio>

#include "core/heap.h"
#include "labels/item_labels.h"

namespace {

long PeakKiB() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

int Usage(const char* why) {
    std::fprintf(stderr, "%s\nusage: bench_labels [--items N] [--printer NAME]\n", why);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    zelkor::KeepFreedHeap();  // as the program keeps freed memory
    if (qEnvironmentVariableIsEmpty("DISPLAY")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int items = 1000;
    QString printer;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (i + 1 >= args.size()) return Usage("missing value");
        bool ok = true;
        if (args[i] == "--items")
            items = args[++i].toInt(&ok);
        else if (args[i] == "--printer")
            printer = args[++i];
        else
            return Usage("unknown option");
        if (!ok || items < 1 || items > 1000000) return Usage("--items: 1 to 1000000");
    }

    zelkor::LabelRun run;
    run.libraryName = QStringLiteral("PERPUSTAKAAN SDN HARAPAN JAYA");
    for (int i = 0; i < items; ++i)
        run.items.push_back({QStringLiteral("BK-%1.a").arg(i, 5, 10, QChar('0')),
                             QStringLiteral("Judul buku nomor %1 yang cukup panjang").arg(i),
                             QStringLiteral("R.%1").arg(i % 40)});
    zelkor::DirectSheetOutput out(printer);
    QString why;

    QElapsedTimer t;
    t.start();
    const zelkor::LabelSheets sheets = zelkor::ItemLabelSheets(run);
    const double encodeMs = t.nsecsElapsed() / 1e6;
    if (!out.print(sheets.doc, &why)) return std::fprintf(stderr, "%s\n", qPrintable(why)), 1;
    const double labelsMs = t.nsecsElapsed() / 1e6;
    const long peak = PeakKiB();

    zelkor::SheetDocument blank{QStringLiteral("Label Kosong"), sheets.doc.pages,
                                [](QPainter&, const zelkor::MmScale&, int) {}, false};
    t.restart();
    if (!out.print(blank, &why)) return std::fprintf(stderr, "%s\n", qPrintable(why)), 1;
    const double floorMs = t.nsecsElapsed() / 1e6;

    std::printf("labels for %d items on %d sheets: %.0f ms (barcodes encoded in %.0f ms), peak %.1f MiB\n",
                items, sheets.doc.pages, labelsMs, encodeMs, peak / 1024.0);
    std::printf("floor, %d blank sheets through the same queue: %.0f ms\n", sheets.doc.pages, floorMs);
    return 0;
}
