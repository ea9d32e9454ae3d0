// What the record forms' toolbar does: new record, save (insert or update), delete,
// the two exports and the import.
#include <QLineEdit>

#include "app/app_context.h"
#include "collection/entry_messages.h"
#include "collection/grid_follower.h"
#include "collection/import_entry.h"
#include "collection/pick_list.h"
#include "collection/record_form.h"
#include "collection/record_list.h"
#include "db/row_sinks.h"
#include "reports/grid_export.h"

namespace zelkor {

namespace {
const QString kMissing = QStringLiteral("Gagal menyimpan, kolom Kode atau Nama belum terisi..");
const QString kChooseFirst = QStringLiteral("Silahkan pilih record yang akan dihapus terlebih dahulu..");
const QString kDeleteQuestion = QStringLiteral(
    "Apakah anda yakin akan menghapus record ini? Cobalah koreksi data yang terkait dengan record ini, "
    "mungkin bisa mengakibatkan perubahan referensi data dan mengakibatkan data menjadi rancu..");
const QString kReplaceQuestion = QStringLiteral("Kode %1 sudah dipakai oleh «%2». Ganti data %3 itu?");
const QString kStillOut =
    QStringLiteral("%1 %2 tidak dapat dihapus, masih ada %3 transaksi pinjam/rental yang belum kembali..");
}  // namespace

void RecordForm::newRecord() {
    follower_->disarm();
    startAfresh();
    if (design_.newRecordClearsSearch) list_->searchField()->clear();
    code_->setFocus();
}

// Empty fields and no row chosen: the mouse passing over the list then has no row to
// copy over what is being typed, and a delete takes nothing on a guess.
void RecordForm::startAfresh() {
    clearEntries();
    grid().select(-1);
}

RecordForm::StoredRecord RecordForm::storedRecord(const QStringList& shown) const {
    return {design_.columnNames(), shown};
}

RecordKey RecordForm::keyForSave(const QString& code) const {
    return {{QStringLiteral("Id")}, {code}};
}

RecordKey RecordForm::keyForRow(int row) const {
    return {{QStringLiteral("Id")}, {grid().cell(row, gridColumnOf(QStringLiteral("Id")))}};
}

void RecordForm::save() {
    if (const QString why = refusal(); !why.isEmpty()) {
        ctx_.messages().info(why, entry::kCaption);
        return;
    }
    const QString code = code_->text();
    const Statement exists = ExistsStatement(design_.table, code);
    QString count;
    // Without the count it is not known whether to insert or to update.
    if (!ctx_.run(exists.sql, exists.values, StoreScalar(count))) return;
    if (count.toLongLong() < 1)
        insertRecord(code);
    else if (mayReplace(code))
        updateRecord(code);
}

// A record chosen from the list is saved over as it always was. A new record whose
// code is taken would silently overwrite the other one: the operator says first.
bool RecordForm::mayReplace(const QString& code) {
    if (grid().selectedRow() >= 0) return true;
    const Statement name = ColumnStatement(design_.table, design_.columns.at(1).column, keyForSave(code));
    QStringList names;
    if (!ctx_.run(name.sql, name.values, [&](const DbRow& row) { names << row.text(0); })) return false;
    // Nothing under this key (the tariff of another category): the update says so.
    if (names.isEmpty()) return true;
    return ctx_.messages().askYesNo(kReplaceQuestion.arg(code, names.front(), design_.recordWord),
                                    entry::kCaption);
}

void RecordForm::insertRecord(const QString& code) {
    if (code.isEmpty() || name_->text().isEmpty()) {
        ctx_.messages().info(kMissing, entry::kCaption);
        return;
    }
    const QStringList shown = shownValues();
    const StoredRecord record = storedRecord(shown);
    const Statement insert = InsertStatement(design_.table, record.columns, record.values);
    if (!ctx_.run(insert.sql, insert.values)) return;
    // Appended rows carry the bare row count; rows read from the database "n.".
    grid().appendRow(QStringList{QString::number(grid().rowCount() + 1)} + shown);
    rememberPicks();
    startAfresh();
    if (design_.newRecordClearsSearch) list_->searchField()->clear();
    code_->setFocus();  // ready for the next record
    ctx_.messages().info(entry::kSaved, entry::kCaption);
}

void RecordForm::updateRecord(const QString& code) {
    const QStringList shown = shownValues();
    const StoredRecord record = storedRecord(shown);
    const RecordKey key = keyForSave(code);
    const Statement update = UpdateStatement(design_.table, record.columns, record.values, key);
    // The update must change exactly the one record, or nothing at all.
    Transaction tx(ctx_.db());
    if (!tx.active()) {
        ctx_.sqlError(tx.beginResult().error);
        return;
    }
    // Every message comes after the rollback: no other desk waits on the lock
    // while the operator reads it.
    const DbResult r = ctx_.db().exec(update.sql, update.values);
    if (!r.ok) {
        tx.rollback();
        ctx_.sqlError(r.error);
        return;
    }
    if (r.changes != 1) {
        tx.rollback();
        ctx_.messages().info(r.changes == 0 ? entry::kNotFound : entry::kSeveral, entry::kCaption);
        return;
    }
    if (const DbResult done = tx.commit(); !done.ok) {
        ctx_.sqlError(done.error);
        return;
    }
    // The row that shows this record, which need not be the selected one.
    if (const int row = rowShowing(key); row >= 0)
        for (int c = 0; c < shown.size(); ++c) grid().setCell(row, c + 1, shown[c]);
    rememberPicks();
    ctx_.messages().info(entry::kChanged, entry::kCaption);
}

int RecordForm::rowShowing(const RecordKey& key) const {
    const GridData& g = grid();
    auto shows = [&](int row) {
        for (qsizetype i = 0; i < key.columns.size(); ++i)
            if (g.cell(row, gridColumnOf(key.columns[i])) != key.values[i]) return false;
        return true;
    };
    if (g.selectedRow() >= 0 && shows(g.selectedRow())) return g.selectedRow();
    for (int row = 0; row < g.rowCount(); ++row)
        if (shows(row)) return row;
    return -1;
}

void RecordForm::rememberPicks() {
    for (auto& [pick, sql] : picks_) pick->remember(pick->text());
}

void RecordForm::remove() {
    GridData& g = grid();
    const int row = g.selectedRow();
    if (row < 0) {
        // Nothing chosen: no record is deleted on a guess.
        ctx_.messages().show(kChooseFirst, QStringLiteral("Info"));
        return;
    }
    if (!ctx_.messages().askYesNo(kDeleteQuestion, QStringLiteral("Confirm Delete"))) return;
    if (!deleteRecord(row)) return;
    g.removeRow(row);
    // The view then highlights a neighbour; the next delete must not take a record
    // the operator never chose.
    startAfresh();
}

// Counted and deleted in one transaction, so a loan saved at another desk meanwhile
// is never left without its item or member. Every message comes after the rollback.
bool RecordForm::deleteRecord(int row) {
    const QString code = grid().cell(row, gridColumnOf(QStringLiteral("Id")));
    const Statement out = OpenMovementsStatement(design_.movementColumn, code);
    const Statement del = DeleteStatement(design_.table, keyForRow(row));
    Transaction tx(ctx_.db());
    if (!tx.active()) {
        ctx_.sqlError(tx.beginResult().error);
        return false;
    }
    DbResult r;
    const QString stillOut = ctx_.db().scalar(out.sql, out.values, QStringLiteral("0"), &r);
    if (r.ok && stillOut.toLongLong() > 0) {
        tx.rollback();
        QString word = design_.recordWord;
        word[0] = word[0].toUpper();
        ctx_.messages().show(kStillOut.arg(word, code, stillOut), QStringLiteral("Info"));
        return false;
    }
    if (r.ok) r = ctx_.db().exec(del.sql, del.values);
    if (!r.ok) {
        tx.rollback();
        ctx_.sqlError(r.error);
        return false;
    }
    if (const DbResult done = tx.commit(); !done.ok) {
        ctx_.sqlError(done.error);
        return false;
    }
    return true;
}

void RecordForm::exportSpreadsheet() {
    ctx_.exportGrid = &grid();
    ExportGridToSpreadsheet(ctx_);
}

void RecordForm::exportBrowser() {
    ReportGridToBrowser(ctx_, design_.reportTitle, grid());
}

void RecordForm::openImport() {
    ctx_.importTarget = design_.table;
    OpenImportDialog(ctx_, *this);
}

}  // namespace zelkor
