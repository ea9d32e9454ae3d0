#include "collection/import_save.h"

#include <sqlite3.h>

#include <vector>

#include "app/app_context.h"

namespace zelkor {

namespace {

struct Statements {
    QString exists;
    QString insert;
};

Statements statementsOf(ImportKind kind) {
    if (kind == ImportKind::Items)
        return {QStringLiteral("Select count(*) From ItemPerpus WHERE Id=?"),
                QStringLiteral(
                    "Insert Into ItemPerpus (Id, NamaItem, Pengarang, HakCipta, Penerbit, ISBN, Denda, "
                    "JmlStock, Rental, HargaRental, Rak) Values(?,?,?,?,?,?,?,?,?,?,?)")};
    return {QStringLiteral("Select Count(*) From Member WHERE Id=?"),
            QStringLiteral(
                "Insert Into Member (Id, Nama, LP, TmpLahir, TglLahir, Alamat, Kategori, DurasiPinjam, "
                "Status) Values(?,?,?,?,?,?,?,?,?)")};
}

QVariantList bound(const QStringList& values) {
    QVariantList out;
    out.reserve(values.size());
    for (const QString& v : values) out.append(v);
    return out;
}

}  // namespace

ImportSummary SaveImportRows(AppContext& ctx, GridData& grid, ImportKind kind, const QString& category,
                             const std::function<void(int, int)>& progress) {
    ImportSummary summary;
    const int status = ImportStatusColumn(kind);
    std::vector<int> rows;
    for (int r = 0; r < grid.rowCount(); ++r)
        if (kind != ImportKind::None && grid.cell(r, status).isEmpty()) rows.push_back(r);
    if (rows.empty()) return summary;

    Database& db = ctx.db();
    Transaction tx(db);
    if (!tx.active()) {
        ctx.sqlError(tx.beginResult().error);
        return summary;
    }
    const Statements sql = statementsOf(kind);
    std::vector<QString> outcome(rows.size());  // each row's "Status"
    QString firstError;
    bool lost = false;
    for (size_t i = 0; i < rows.size() && !lost; ++i) {
        const std::optional<QStringList> values =
            ImportValues(kind, grid.row(rows[i]), category, &outcome[i]);
        if (values) {
            DbResult result;
            const QString count = db.scalar(sql.exists, {values->first()}, QStringLiteral("0"), &result);
            if (result && count.toLongLong() > 0) {
                outcome[i] = kImportCodeTaken;
            } else {
                if (result) result = db.exec(sql.insert, bound(*values));
                const bool undated = kind == ImportKind::Members && UnreadableBirthDate(grid.row(rows[i]));
                outcome[i] = !result   ? kImportDbRefused.arg(result.error)
                             : undated ? kImportSavedUndated
                                       : kImportSaved;
                if (!result && firstError.isEmpty()) firstError = result.error;
            }
            // An I/O or memory failure makes SQLite roll the whole transaction back;
            // what follows would then commit row by row. Stop instead.
            lost = sqlite3_get_autocommit(db.handle()) != 0;
        }
        if (progress && (i + 1) % 250 == 0) progress(static_cast<int>(i + 1), static_cast<int>(rows.size()));
    }
    const DbResult committed = lost ? DbResult{false, firstError, 0} : tx.commit();
    if (!committed) {
        ctx.sqlError(committed.error);
        return summary;
    }
    if (!firstError.isEmpty()) ctx.sqlError(firstError);

    summary.written = true;
    summary.handled = static_cast<int>(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        grid.setCell(rows[i], status, outcome[i]);
        const bool saved = outcome[i] == kImportSaved || outcome[i] == kImportSavedUndated;
        ++(saved ? summary.saved : summary.refused);
        summary.undated += outcome[i] == kImportSavedUndated;
    }
    if (progress) progress(summary.handled, summary.handled);
    return summary;
}

QString ImportSummaryText(ImportKind kind, const ImportSummary& s) {
    return QStringLiteral(
               "Dari jumlah data %1 %2 data yang diimport ke database; %3 data telah berhasil di simpan "
               "dan %4 gagal disimpan")
               .arg(kind == ImportKind::Members ? QStringLiteral("member") : QStringLiteral("item"))
               .arg(s.handled)
               .arg(s.saved)
               .arg(s.refused) +
           (s.undated > 0 ? QStringLiteral("; tanggal tidak terbaca: %1 baris").arg(s.undated) : QString());
}

}  // namespace zelkor
