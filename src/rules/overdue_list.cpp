#include "rules/overdue_list.h"

#include <algorithm>
#include <string>

#include "core/dates.h"
#include "db/bytes_map.h"
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

// The open movements due before a date with their member and item; the member and
// item columns from the covering indexes made for this list, when `covered`.
QString OverdueSql(bool covered) {
    const QLatin1String member(covered ? " indexed by Member_Overdue" : "");
    const QLatin1String item(covered ? " indexed by ItemPerpus_Overdue" : "");
    return QStringLiteral(
               "select t.Id, t.IdMember, t.IdItemPerpus, t.TglKembali, t.KodeTrans, "
               "m.Nama, m.Kategori, m.Alamat, i.NamaItem, i.Denda, i.Jenis "
               "from TransPerpus t "
               "left join Member m%1 on m.Id=t.IdMember and m.Id>='' "
               "left join ItemPerpus i%2 on i.Id=t.IdItemPerpus and i.Id<>'KUNJUNG' and i.Id>='' "
               "where t.Status<1 and t.KodeTrans<>'KUNJUNG' and t.TglKembali < ? and t.TglKembali >= '0'")
        .arg(member, item);
}

}  // namespace

const QString kOverdueSql = OverdueSql(true);

std::vector<OverdueMember> OverdueAt(Database& db, const LoanSettings& settings, const QDate& date,
                                     DbResult* result) {
    std::vector<OverdueMember> members;
    // The loans as they come, by due date, each with its member's place in `members`;
    // handed to their members at the end, each member's list made once at its size.
    struct Found {
        std::size_t member;
        OverdueLoan loan;
    };
    std::vector<Found> found;
    // Keyed by the bytes SQLite gives: a row that meets a member, a category or a due
    // date seen before makes no text for the look-up.
    BytesMap<std::size_t> byId;
    BytesMap<QString> categories;
    // A due date's text and its late days at `date`; an item's price per late day.
    struct Due {
        QString text;
        bool dated;
        std::int64_t lateDays;
    };
    BytesMap<Due> dates;
    BytesMap<std::optional<double>> prices;
    const auto readRow = [&](const DbRow& row) {
        // Many loans share a due date and a price: each is read once.
        const std::string_view dueBytes = BytesOf(row.utf8(3));
        auto* due = dates.find(dueBytes);
        if (!due) {
            const QString text = row.text(3);
            const QDate d = ParseIsoDate(text);
            due = dates
                      .emplace(std::string(dueBytes),
                               Due{text, d.isValid(), d.isValid() ? settings.calendar.lateDays(d, date) : 0})
                      .first;
        }
        if (!due->second.dated) return;
        const std::string_view categoryBytes = BytesOf(row.utf8(6));
        auto* category = categories.find(categoryBytes);
        if (!category) category = categories.emplace(std::string(categoryBytes), row.text(6)).first;
        const bool loan = row.utf8(4) == QByteArrayView("PINJAM");
        const LoanRule* rule = loan && !settings.rules.empty()
                                   ? ChooseRule(settings.rules, category->second, row.text(10))
                                   : nullptr;
        const std::string_view priceBytes = BytesOf(row.utf8(9));
        auto* price = prices.find(priceBytes);
        if (!price) price = prices.emplace(std::string(priceBytes), ItemFinePerDay(row.text(9))).first;
        const LateFine f = FineOf(rule, due->second.lateDays, price->second);
        const std::string_view memberId = BytesOf(row.utf8(1));
        auto* member = byId.find(memberId);
        if (!member) {
            member = byId.emplace(std::string(memberId), members.size()).first;
            members.push_back({row.text(1), row.text(5), category->second, row.text(7), {}, 0, 0});
        }
        OverdueMember& m = members[member->second];
        m.mostLate = std::max(m.mostLate, f.lateDays);
        if (f.amount) m.fineTotal += *f.amount;
        found.push_back(
            {member->second, {row.text(0), row.text(2), row.text(8), due->second.text, f.lateDays, f.amount}});
    };
    DbResult r = db.exec(kOverdueSql, {IsoDate(date)}, readRow);
    // A library this copy could not add the covering indexes to (opened read-only)
    // gives the same rows from the tables.
    if (!r && r.error.contains(QLatin1String("no such index")) && found.empty())
        r = db.exec(OverdueSql(false), {IsoDate(date)}, readRow);
    if (result) *result = r;
    std::vector<std::size_t> counts(members.size());
    for (const Found& f : found) ++counts[f.member];
    for (std::size_t i = 0; i < members.size(); ++i) members[i].loans.reserve(counts[i]);
    for (Found& f : found) members[f.member].loans.push_back(std::move(f.loan));
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
