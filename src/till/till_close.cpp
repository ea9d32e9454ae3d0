#include "till/till_close.h"

#include "core/money.h"

namespace zelkor {

namespace {

// Lines no close covers yet; the day's index finds the day, a day is small.
const QString kOpenLinesWhere = QStringLiteral(
    "FROM Kas WHERE Tanggal = ?1 AND Ops = ?2 "
    "AND NOT EXISTS (SELECT 1 FROM TutupKasBaris WHERE TutupKasBaris.IdKas = Kas.Id)");
const QString kSummarySql =
    QStringLiteral("SELECT coalesce(Kategori, ''), sum(Masuk), sum(Keluar), count(*) ") + kOpenLinesWhere +
    QStringLiteral(" GROUP BY 1 ORDER BY 1");
const QString kInsertKasSql =
    QStringLiteral("INSERT INTO kas (id,tanggal,kategori,uraian,masuk,keluar,ops) VALUES (?,?,?,?,?,?,?)");
const QString kInsertCloseSql = QStringLiteral(
    "INSERT INTO TutupKas (Id,Tanggal,Ops,Waktu,Dicatat,Dihitung,Selisih,Rincian,Catatan,IdKas) "
    "VALUES (?,?,?,?,?,?,?,?,?,?)");
const QString kCoverLinesSql =
    QStringLiteral("INSERT INTO TutupKasBaris (IdKas, IdTutup) SELECT Id, ?3 ") + kOpenLinesWhere;

}  // namespace

QString CloseKind(const QString& kategori) {
    static const std::pair<const char*, const char*> kinds[] = {
        {"Penerimaan Administrasi Peminjaman", "Denda pinjaman"},
        {"Penerimaan Rental", "Rental"},
        {"Penerimaan Administrasi Kunjungan", "Kunjungan"},
        {"Penerimaan Tanggungan", "Bayar tanggungan"},
        {"Potongan", "Potongan"},
        {"Kurang Bayar", "Kurang bayar"},
        {"Selisih Kas", "Selisih kas"},
    };
    for (const auto& [k, kind] : kinds)
        if (kategori == QLatin1String(k)) return QString::fromLatin1(kind);
    return QStringLiteral("Manual");
}

DbResult LoadCloseSummary(Database& db, const QString& ops, const QString& date, CloseSummary& summary) {
    summary = {};
    return db.exec(kSummarySql, {date, ops}, [&summary](const DbRow& row) {
        CloseLine line{CloseKind(row.text(0)), row.text(0), AmountValue(row.text(1)),
                       AmountValue(row.text(2)), row.text(3).toInt()};
        summary.masuk = AddAmounts(summary.masuk, line.masuk);
        summary.keluar = AddAmounts(summary.keluar, line.keluar);
        summary.lines += line.lines;
        summary.byKind.push_back(line);
    });
}

std::optional<std::int64_t> CountedTotal(const std::vector<std::int64_t>& counts) {
    std::int64_t total = 0;
    for (std::size_t i = 0; i < counts.size() && i < std::size(kDenominations); ++i) {
        // A count beyond 12 digits of money is refused before it could overflow.
        if (counts[i] < 0 || counts[i] > kMaxAmount / kDenominations[i]) return std::nullopt;
        total += counts[i] * kDenominations[i];
        if (!AmountFits(total)) return std::nullopt;
    }
    return total;
}

QString CountText(const std::vector<std::int64_t>& counts) {
    QStringList parts;
    for (std::size_t i = 0; i < counts.size() && i < std::size(kDenominations); ++i)
        if (counts[i] > 0)
            parts << QString::number(kDenominations[i]) + QLatin1Char('x') + QString::number(counts[i]);
    return parts.join(QStringLiteral(", "));
}

QString DifferenceText(const QString& ops, const QString& date, std::int64_t counted, std::int64_t expected,
                       const QString& catatan) {
    QString text = QStringLiteral("Selisih Tutup Kas ") + ops + QLatin1Char(' ') + date +
                   QStringLiteral(" (dihitung ") + QString::number(counted) + QStringLiteral(", dicatat ") +
                   QString::number(expected) + QLatin1Char(')');
    if (!catatan.trimmed().isEmpty()) text += QStringLiteral(": ") + catatan.trimmed();
    return text;
}

CloseResult BookClose(Database& db, const CloseRequest& rq, QString* closeId, QString* error) {
    if (!AmountFits(rq.counted) || rq.counted < 0) return CloseResult::TooLarge;
    const auto failed = [error](const DbResult& r) {
        if (error) *error = r.error;
        return CloseResult::Failed;
    };
    Transaction tx(db);
    if (!tx.active()) return failed(tx.beginResult());
    // Counted again under the write lock: another save or another copy's close may
    // have changed what the operator saw.
    CloseSummary now;
    if (const DbResult r = LoadCloseSummary(db, rq.ops, rq.date, now); !r.ok) return failed(r);
    if (now.lines != rq.shownLines || now.expected() != rq.shownExpected) return CloseResult::Changed;
    if (now.lines == 0 && rq.counted == 0) return CloseResult::Nothing;
    const std::int64_t difference = rq.counted - now.expected();
    if (!AmountFits(difference) || !AmountFits(now.expected())) return CloseResult::TooLarge;

    const QString id = rq.stamp + QLatin1Char('-') + rq.ops;
    QVariant kasId;  // null when the drawer matched
    int covered = now.lines;
    if (difference != 0) {
        kasId = rq.stamp + QStringLiteral("03");
        const DbResult line =
            db.exec(kInsertKasSql, {kasId, rq.date, kSelisihKas,
                                    DifferenceText(rq.ops, rq.date, rq.counted, now.expected(), rq.catatan),
                                    QString::number(difference > 0 ? difference : 0),
                                    QString::number(difference < 0 ? -difference : 0), rq.ops});
        if (!line.ok) return failed(line);
        ++covered;
    }
    const DbResult close =
        db.exec(kInsertCloseSql, {id, rq.date, rq.ops, rq.stamp, qint64(now.expected()), qint64(rq.counted),
                                  qint64(difference), rq.rincian, rq.catatan.trimmed(), kasId});
    if (!close.ok) return failed(close);
    const DbResult cover = db.exec(kCoverLinesSql, {rq.date, rq.ops, id});
    if (!cover.ok) return failed(cover);
    if (cover.changes != covered) return CloseResult::Changed;
    const DbResult c = tx.commit();
    if (!c.ok) return failed(c);
    if (closeId) *closeId = id;
    return CloseResult::Ok;
}

}  // namespace zelkor
