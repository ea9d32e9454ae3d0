#pragma once
// "Simpan Data Ke Database" of the import dialog, without the dialog: every row of
// the import grid not yet saved goes into the database in one transaction.
#include <QString>
#include <functional>

#include "collection/import_records.h"

namespace zelkor {

class AppContext;

struct ImportSummary {
    int handled = 0;       // rows whose "Status" was empty when the save began
    int saved = 0;         // of them, inserted ("Berhasil di input")
    int refused = 0;       // of them, not inserted ("Gagal: " and why): handled = saved + refused
    int undated = 0;       // of the saved members, those whose birth date could not be read
    bool written = false;  // the transaction was committed
};

// Saves every row of `grid` whose "Status" is empty, whichever read it came from;
// a row with a "Status" is never saved again. A row whose code exists already
// (kImportCodeTaken), that ImportValues refuses, or that the database refuses
// (kImportDbRefused) gets its reason; an inserted one "Berhasil di input" (with
// "tanggal tidak terbaca" when its birth date is stored empty for it). Members
// get `category` as their Kategori.
//
// All rows go in one transaction, so a save is fast and whole: nothing of it is
// written unless all of it is. A row the database refuses does not undo the others
// (a refused insert undoes only itself). When the database fails (the transaction
// cannot begin or commit, or is lost), the operator is shown the SQL error once, no
// "Status" is written and `written` is false. `progress(done, total)` is called
// every few hundred rows.
ImportSummary SaveImportRows(AppContext& ctx, GridData& grid, ImportKind kind, const QString& category,
                             const std::function<void(int done, int total)>& progress = {});

// "Dari jumlah data item 3 data yang diimport ke database; 2 data telah berhasil di
// simpan dan 1 gagal disimpan" ("data member" for members), and "; tanggal tidak
// terbaca: 1 baris" when a member's birth date was saved empty for being unreadable.
QString ImportSummaryText(ImportKind kind, const ImportSummary& summary);

}  // namespace zelkor
