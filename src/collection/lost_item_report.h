#pragma once
// Recording a loss: one ItemHilang row, and the item's stock (JmlStock) lowered by
// the copies lost, in one transaction: both are written or neither. No widgets here.
#include <QString>
#include <cstdint>
#include <optional>

namespace zelkor {

class AppContext;

struct LossReport {
    QString item;      // the item's code (ItemPerpus.Id)
    QString date;      // Tgl, "yyyy-mm-dd"
    QString count;     // Jumlah, digits as typed
    QString reporter;  // Pelapor
    QString remark;    // Keterangan
};

// The longest count the form takes: any stock minus it stays far inside 64 bits.
inline constexpr int kCountDigits = 12;

// Why a report is refused before anything is written.
inline const QString kLossMissing = QStringLiteral("Gagal menyimpan, beberapa kolom belum terisi..");
inline const QString kLossBadCount =
    QStringLiteral("Gagal menyimpan, Jumlah Item harus berupa angka lebih dari 0..");
// %1: the copies on the shelf, the item's stock less its copies lent out.
inline const QString kLossAboveShelf =
    QStringLiteral("Gagal menyimpan, Jumlah Item melebihi eksemplar yang ada di rak (tersedia %1)..");
inline const QString kLossStockNotNumber =
    QStringLiteral("Gagal menyimpan, Stock item ini bukan angka, perbaiki dulu di Data Item Perpustakaan..");

// A stock as the lost items count with it: an empty (or missing) stock is 0, a whole
// number is itself ("007", "-2", "7.0" too); anything else (letters, a fraction, more
// than 15 digits) is no stock to subtract from.
std::optional<std::int64_t> StockValue(const QString& stored);

// Records the loss. Refused, with the reason shown and nothing written: no item, no
// count or no reporter (kLossMissing), a count of 0, of more than kCountDigits digits
// or with other characters (kLossBadCount), an item that is gone or whose code
// several rows share, a stock that is not a number, a count above the copies on the
// shelf (kLossAboveShelf), any failing statement (the SQL error box). Two reports
// within one second would share their time-stamp code: the later one takes the next
// free second, so it is written whole and the codes keep the order of the reports. Returns the item's
// stock after the loss, as stored, when the report was written.
std::optional<QString> RecordLoss(AppContext& ctx, const LossReport& report);

}  // namespace zelkor
