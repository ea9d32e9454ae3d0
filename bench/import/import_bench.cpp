// Reads and saves a workbook of 10,000 new items in each format a person saves a
// list in, into a copy of the large sample library, and saves the same rows once
// more the way the import always did: row by row, every statement committing on
// its own.
//
//   build/bin/bench_import [library.db] [--rows N] [--no-baseline]
//
// Read: the reader module called as the dialog calls it (a child process reads the
// file) and its reply split into grid rows. Save: SaveImportRows, one transaction.
#include <xlsxwriter.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>

#include "app/app_context.h"
#include "bench_args.h"
#include "bench_library.h"
#include "collection/import_module.h"
#include "collection/import_records.h"
#include "collection/import_save.h"
#include "db/library_file.h"
#include "quiet_services.h"
#include "ui/qt_services.h"

using namespace zelkor;
using Steady = std::chrono::steady_clock;

namespace {

double Seconds(Steady::time_point since) {
    return std::chrono::duration<double>(Steady::now() - since).count();
}

const QStringList kHeader = {"Id",   "Nama Item",   "Pengarang", "Hak Cipta",  "Penerbit",
                             "ISBN", "Nilai Denda", "Stock",     "Hrg Rental", "Rak"};

// Row r of the list: texts, and numbers where a person types numbers.
QJsonArray ItemRow(int r) {
    return {QString("IMP%1").arg(r, 6, 10, QChar('0')),
            QString("Judul buku impor nomor %1, jilid %2").arg(r).arg(r % 3 + 1),
            QString("Pengarang %1").arg(r % 997),
            2000 + r % 20,
            QString("Penerbit %1").arg(r % 53),
            9786020000000.0 + r,
            500 * (r % 4),
            r % 7 + 1,
            r % 5 == 0 ? 2500 : 0,
            QString("R%1").arg(r % 20)};
}

bool WriteXlsx(const QString& path, int rows) {
    lxw_workbook* book = workbook_new(path.toUtf8().constData());
    lxw_worksheet* sheet = workbook_add_worksheet(book, "Sheet1");
    for (int r = 0; r <= rows; ++r) {
        const QJsonArray row = r == 0 ? QJsonArray::fromStringList(kHeader) : ItemRow(r);
        for (int c = 0; c < row.size(); ++c) {
            if (row[c].isString())
                worksheet_write_string(sheet, r, c, row[c].toString().toUtf8().constData(), nullptr);
            else
                worksheet_write_number(sheet, r, c, row[c].toDouble(), nullptr);
        }
    }
    return workbook_close(book) == LXW_NO_ERROR;
}

bool WriteCsv(const QString& path, int rows) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return false;
    f.write(kHeader.join(';').toUtf8() + "\r\n");
    for (int r = 1; r <= rows; ++r) {
        QStringList cells;
        for (const QJsonValue& v : ItemRow(r))
            cells << (v.isString() ? v.toString() : QString::number(v.toDouble(), 'f', 0));
        f.write(cells.join(';').toUtf8() + "\r\n");
    }
    return true;
}

bool WriteWithPython(const QString& format, const QString& path, int rows) {
    QJsonArray list{QJsonArray::fromStringList(kHeader)};
    for (int r = 1; r <= rows; ++r) list.append(ItemRow(r));
    const QJsonObject book{{"sheets", QJsonArray{QJsonObject{{"name", "Sheet1"}, {"rows", list}}}}};
    QProcess p;
    p.start(ZELKOR_SYSTEM_PYTHON, {ZELKOR_MAKE_WORKBOOK, format, "-", path});
    p.write(QJsonDocument(book).toJson(QJsonDocument::Compact));
    p.closeWriteChannel();
    return p.waitForFinished(300000) && p.exitCode() == 0;
}

// The import as it always saved: per row the exists? query, then the insert, each
// committing by itself.
double SaveRowByRow(Database& db, const GridData& grid) {
    const auto t0 = Steady::now();
    for (int r = 0; r < grid.rowCount(); ++r) {
        const auto values = ImportValues(ImportKind::Items, grid.row(r), {});
        if (!values) continue;
        if (db.scalar("Select count(*) From ItemPerpus WHERE Id=?", {values->first()}, "0").toLongLong() > 0)
            continue;
        QVariantList bound;
        for (const QString& v : *values) bound << v;
        db.exec(
            "Insert Into ItemPerpus (Id, NamaItem, Pengarang, HakCipta, Penerbit, ISBN, Denda, JmlStock, "
            "Rental, "
            "HargaRental, Rak) Values(?,?,?,?,?,?,?,?,?,?,?)",
            bound);
    }
    return Seconds(t0);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    bench::BenchArgs args(argc, argv, "usage: bench_import [library.db] [--rows N] [--no-baseline]",
                          {"--rows"}, {"--no-baseline"});
    const int rows = args.number("--rows", 10000, 1, 65535);  // an .xls sheet holds 65536 rows
    const bool baseline = !args.flag("--no-baseline");
    if (!args.ok()) return 2;
    const QString library = bench::BenchLibrary(args.path());
    if (library.isEmpty()) return 1;

    QTemporaryDir tmp;
    const QString copy = bench::CopyLibrary(library, tmp.path());
    if (copy.isEmpty()) return 1;
    QString error;
    auto db = OpenLibrary(copy, &error);
    if (!db) {
        std::fprintf(stderr, "cannot open: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("library: %s items, %s members (%.0f MB); %d new items per workbook\n",
                qPrintable(db->scalar("select count(*) from ItemPerpus")),
                qPrintable(db->scalar("select count(*) from Member")), QFileInfo(copy).size() / 1048576.0,
                rows);

    bench::QuietMessages messages(bench::QuietMessages::Echo::Yes);
    SystemClock clock;
    bench::NoFileDialogs files;
    bench::NoPrinters printers;
    AppContext ctx(std::move(db), AppServices{messages, clock, files, printers});
    ctx.programDir = QCoreApplication::applicationDirPath();

    std::printf("%-6s %10s %9s %9s %9s %9s\n", "format", "file", "read", "save", "total", "saved");
    GridData kept;  // the rows of one read, for the row-by-row save
    for (const QString& format : {QString("xlsx"), QString("xls"), QString("ods"), QString("csv")}) {
        const QString path = tmp.filePath("items." + format);
        const bool written = format == "xlsx"  ? WriteXlsx(path, rows)
                             : format == "csv" ? WriteCsv(path, rows)
                                               : WriteWithPython(format, path, rows);
        if (!written) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            continue;
        }
        GridData grid;
        grid.setColumns(ImportColumns(ImportKind::Items));
        const auto t0 = Steady::now();
        const auto reply = ReadWithModule(ctx, path, ImportHeaderLine(ImportKind::Items));
        const ImportReply split = SplitRecordText(reply.value_or(QString()), import_item::Status);
        {
            GridData::Batch batch(grid);
            grid.reserve(static_cast<int>(split.records.size()));
            for (const QStringList& record : split.records)
                grid.appendRow(ImportGridRow(ImportKind::Items, record));
        }
        const double read = Seconds(t0);
        if (!split.message.isEmpty()) std::printf("%s: %s\n", qPrintable(format), qPrintable(split.message));

        const auto t1 = Steady::now();
        const ImportSummary s = SaveImportRows(ctx, grid, ImportKind::Items, {});
        const double save = Seconds(t1);
        std::printf("%-6s %8.0f K %8.3fs %8.3fs %8.3fs %9d\n", qPrintable(format),
                    QFileInfo(path).size() / 1024.0, read, save, read + save, s.saved);
        ctx.db().exec("Delete From ItemPerpus Where Id like 'IMP%'");
        if (format == "xlsx") {
            kept.setColumns(ImportColumns(ImportKind::Items));
            for (int r = 0; r < grid.rowCount(); ++r) kept.appendRow(grid.row(r).mid(0, import_item::Status));
        }
    }

    if (baseline && kept.rowCount() > 0) {
        GridData again;
        again.setColumns(ImportColumns(ImportKind::Items));
        for (int r = 0; r < kept.rowCount(); ++r) again.appendRow(kept.row(r));
        const auto t0 = Steady::now();
        SaveImportRows(ctx, again, ImportKind::Items, {});
        const double one = Seconds(t0);
        ctx.db().exec("Delete From ItemPerpus Where Id like 'IMP%'");
        const double each = SaveRowByRow(ctx.db(), kept);
        std::printf("save of %d rows: one transaction %.3fs, a commit per row %.3fs: %.0f times faster\n",
                    kept.rowCount(), one, each, each / one);
    }
    return messages.count() == 0 ? 0 : 1;
}
