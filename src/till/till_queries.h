#pragma once
// The till's reports as named statements with bound values: what the report forms
// run and what the benchmark measures.
#include <QString>

namespace zelkor {

// "Laporan Tanggungan": debts still open at a date (?1, "yyyy-mm-dd"), by member,
// with their age in days. Payments and waivers after the date do not count.
inline const QString kOpenDebtsAtSql = QStringLiteral(
    "SELECT IdMember, (SELECT Nama FROM Member WHERE Member.Id = t.IdMember), Tanggal, Jumlah, Terbuka, "
    "CAST(julianday(?1) - julianday(Tanggal) AS INTEGER) FROM ("
    " SELECT t.*, Jumlah"
    "  - coalesce((SELECT sum(b.Jumlah) FROM TanggunganBayar b WHERE b.IdTanggungan = t.Id AND b.Tanggal <= "
    "?1), 0)"
    "  - coalesce((SELECT sum(h.Jumlah) FROM HapusDenda h WHERE h.IdTanggungan = t.Id"
    "              AND substr(h.Waktu, 1, 8) <= replace(?1, '-', '')), 0) AS Terbuka"
    " FROM Tanggungan t WHERE t.Tanggal <= ?1) t "
    "WHERE Terbuka > 0 ORDER BY IdMember, Tanggal, Id");

// "Laporan Penerimaan Harian": the journal per day and operator from ?1 to ?2, with
// the closes of that day and operator and their differences.
inline const QString kDailyTakingsSql = QStringLiteral(
    "SELECT Tanggal, Ops, sum(Masuk), sum(Keluar), sum(Masuk - Keluar),"
    " (SELECT count(*) FROM TutupKas c WHERE c.Tanggal = k.Tanggal AND c.Ops = k.Ops),"
    " (SELECT coalesce(sum(Selisih), 0) FROM TutupKas c WHERE c.Tanggal = k.Tanggal AND c.Ops = k.Ops) "
    "FROM Kas k WHERE Tanggal BETWEEN ?1 AND ?2 GROUP BY Tanggal, Ops ORDER BY Tanggal, Ops");

// What one close (?) covered, by journal category, its own difference line left out.
inline const QString kCloseLinesSql = QStringLiteral(
    "SELECT coalesce(k.Kategori, ''), sum(k.Masuk) - sum(k.Keluar) FROM TutupKasBaris b "
    "JOIN Kas k ON k.Id = b.IdKas WHERE b.IdTutup = ? AND coalesce(k.Kategori, '') <> 'Selisih Kas' "
    "GROUP BY 1 ORDER BY 1");

// The closes of a day, newest last.
inline const QString kClosesOfDaySql = QStringLiteral(
    "SELECT Ops, substr(Waktu, 9, 2) || ':' || substr(Waktu, 11, 2) || ':' || substr(Waktu, 13, 2), "
    "Dicatat, Dihitung, Selisih, coalesce(Rincian, ''), coalesce(Catatan, ''), Id "
    "FROM TutupKas WHERE Tanggal = ? ORDER BY Waktu, Id");

}  // namespace zelkor
