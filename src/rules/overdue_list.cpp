#include "rules/overdue_list.h"

#include <QHash>
#include <algorithm>

#include "core/dates.h"
#include "db/database.h"
#include "rules/due_and_fine.h"

namespace zelkor {

namespace {

const QString kDefaultLetter = QStringLiteral(
    "Dengan hormat,\nMenurut catatan kami, Saudara/i {nama} masih meminjam item berikut yang sudah "
    "melewati tanggal kembali. Mohon item tersebut segera dikembalikan ke perpustakaan.\n{item}\n"
    "Denda sampai {tanggal}: Rp {denda}.\nTerima kasih atas perhatiannya.");
const QString kDefaultChat = QStringLiteral(
    "Halo {nama}, item perpustakaan berikut sudah lewat tanggal kembali: {item}. Denda sampai {tanggal}: "
    "Rp {denda}. Mohon segera dikembalikan, terima kasih.");

QString Fill(QString text, const OverdueMember& m, const QDate& date, const QString& itemSeparator) {
    QStringList items;
    for (const OverdueLoan& l : m.loans)
        items << QStringLiteral("%1 (kembali %2, terlambat %3 hari)").arg(l.namaItem, l.due).arg(l.lateDays);
    text.replace(QLatin1String("{nama}"), m.nama);
    text.replace(QLatin1String("{item}"), items.join(itemSeparator));
    text.replace(QLatin1String("{denda}"), QString::number(m.fineTotal));
    text.replace(QLatin1String("{tanggal}"), DateInWords(date));
    return text;
}

}  // namespace

const QString kOverdueSql = QStringLiteral(
    "select t.Id, t.IdMember, t.IdItemPerpus, t.TglKembali, t.KodeTrans, "
    "m.Nama, m.Kategori, m.Alamat, i.NamaItem, i.Denda, i.Jenis "
    "from TransPerpus t "
    "left join Member m on m.Id=t.IdMember "
    "left join ItemPerpus i on i.Id=t.IdItemPerpus and i.Id<>'KUNJUNG' "
    "where t.Status<1 and t.KodeTrans<>'KUNJUNG' and t.TglKembali < ? and t.TglKembali >= '0'");

std::vector<OverdueMember> OverdueAt(Database& db, const LoanSettings& settings, const QDate& date,
                                     DbResult* result) {
    std::vector<OverdueMember> members;
    QHash<QString, std::size_t> byId;
    QHash<QString, QDate> dates;
    // The terms of the index of open loans by due date, and a range on it.
    const DbResult r = db.exec(kOverdueSql, {IsoDate(date)}, [&](const DbRow& row) {
        const bool loan = row.text(4) == QLatin1String("PINJAM");
        const LoanRule* rule =
            loan && !settings.rules.empty() ? ChooseRule(settings.rules, row.text(6), row.text(10)) : nullptr;
        // Many loans share a due date: each date is read once.
        const QString dueText = row.text(3);
        auto due = dates.constFind(dueText);
        if (due == dates.constEnd()) due = dates.insert(dueText, ParseIsoDate(dueText));
        const LateFine f = FineFor(rule, settings.calendar, *due, date, row.text(9));
        if (!f.dated) return;
        const QString memberId = row.text(1);
        auto it = byId.constFind(memberId);
        if (it == byId.constEnd()) {
            it = byId.insert(memberId, members.size());
            members.push_back({memberId, row.text(5), row.text(6), row.text(7), {}, 0, 0});
        }
        OverdueMember& m = members[*it];
        m.loans.push_back({row.text(0), row.text(2), row.text(8), row.text(3), f.lateDays, f.amount});
        m.mostLate = std::max(m.mostLate, f.lateDays);
        if (f.amount) m.fineTotal += *f.amount;
    });
    if (result) *result = r;
    for (OverdueMember& m : members)
        std::sort(m.loans.begin(), m.loans.end(), [](const OverdueLoan& a, const OverdueLoan& b) {
            return a.lateDays != b.lateDays ? a.lateDays > b.lateDays : a.transId < b.transId;
        });
    std::sort(members.begin(), members.end(), [](const OverdueMember& a, const OverdueMember& b) {
        return a.mostLate != b.mostLate ? a.mostLate > b.mostLate : a.id < b.id;
    });
    return members;
}

QString LetterText(const LoanSettings& settings, const OverdueMember& m, const QDate& date) {
    return Fill(settings.letterText.trimmed().isEmpty() ? kDefaultLetter : settings.letterText, m, date,
                QStringLiteral("\n"));
}

QString ChatText(const LoanSettings& settings, const OverdueMember& m, const QDate& date) {
    return Fill(settings.chatText.trimmed().isEmpty() ? kDefaultChat : settings.chatText, m, date,
                QStringLiteral("; "));
}

}  // namespace zelkor
