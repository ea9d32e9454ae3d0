#include "rules/rules_store.h"

#include "core/dates.h"
#include "core/money.h"
#include "db/database.h"
#include "db/row_sinks.h"

namespace zelkor {

namespace {

std::optional<std::int64_t> Number(const QString& text) {
    bool ok = false;
    const qint64 v = text.trimmed().toLongLong(&ok);
    if (!ok) return std::nullopt;
    return v;
}

QString Text(const std::optional<std::int64_t>& v) {
    return v ? QString::number(*v) : QString();
}

// An empty text is no number; anything else must be a whole number of 0 to 12 digits.
QString ParseField(const QString& text, const QString& field, std::optional<std::int64_t>& out) {
    const QString t = text.trimmed();
    out.reset();
    if (t.isEmpty()) return {};
    if (t.startsWith(QLatin1Char('-'))) return field + QStringLiteral(" tidak boleh negatif..");
    bool digits = !t.isEmpty();
    for (const QChar c : t) digits = digits && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    if (!digits) return field + QStringLiteral(" harus berupa angka bulat..");
    if (t.size() > kAmountDigits) return field + QStringLiteral(" terlalu besar (paling banyak 12 angka)..");
    out = t.toLongLong();
    return {};
}

}  // namespace

LoanSettings LoadLoanSettings(Database& db, DbResult* result) {
    LoanSettings s;
    DbResult r =
        db.exec(QStringLiteral("select Kategori, Jenis, MaksPinjam, LamaPinjam, DendaPerHari, Toleransi, "
                               "MaksDenda, MaksPerpanjang, HariPerpanjang, TidakDipinjam from AturanPinjam"),
                {}, [&](const DbRow& row) {
                    LoanRule rule;
                    rule.kategori = row.text(0);
                    rule.jenis = row.text(1);
                    rule.maxItems = Number(row.text(2));
                    rule.loanDays = Number(row.text(3));
                    rule.finePerDay = Number(row.text(4));
                    rule.graceDays = Number(row.text(5));
                    rule.fineCap = Number(row.text(6));
                    rule.maxRenewals = Number(row.text(7));
                    rule.renewDays = Number(row.text(8));
                    rule.notLent = row.text(9) == QLatin1String("1");
                    s.rules.push_back(rule);
                });
    if (r)
        r = db.exec(QStringLiteral("select Tanggal from HariLibur"), {}, [&](const DbRow& row) {
            const QDate d = ParseIsoDate(row.text(0));
            if (d.isValid()) s.calendar.holidays.insert(d);
        });
    if (r)
        r = db.exec(QStringLiteral("select Nama, Nilai from PengaturanPinjam"), {}, [&](const DbRow& row) {
            const QString name = row.text(0), value = row.text(1);
            if (name == kSettingClosedDays) {
                for (const QString& day : value.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
                    const int w = day.trimmed().toInt();
                    if (w >= 1 && w <= 7) s.calendar.closedWeekday[static_cast<std::size_t>(w)] = true;
                }
            } else if (name == kSettingOpenDaysOnly) {
                s.calendar.countOpenDaysOnly = value == QLatin1String("1");
            } else if (name == kSettingRenewFromDue) {
                s.renewFromDueDate = value == QLatin1String("1");
            } else if (name == kSettingLetterText) {
                s.letterText = value;
            } else if (name == kSettingChatText) {
                s.chatText = value;
            }
        });
    if (result) *result = r;
    return s;
}

QString LoanSetting(Database& db, const QString& name) {
    return db.scalar(QStringLiteral("select Nilai from PengaturanPinjam where Nama=?"), {name});
}

DbResult SetLoanSetting(Database& db, const QString& name, const QString& value) {
    return db.exec(QStringLiteral("insert or replace into PengaturanPinjam (Nama, Nilai) values (?, ?)"),
                   {name, value});
}

QString ParseRule(const RuleTexts& t, const std::vector<LoanRule>& others, LoanRule& out) {
    out = LoanRule();
    out.kategori = t.kategori.trimmed().isEmpty() ? kAllWord : t.kategori.trimmed();
    out.jenis = t.jenis.trimmed().isEmpty() ? kAllWord : t.jenis.trimmed();
    out.notLent = t.notLent;
    const struct {
        const QString& text;
        const char* field;
        std::optional<std::int64_t>& value;
    } fields[] = {{t.maxItems, "Maks. Pinjam", out.maxItems},
                  {t.loanDays, "Lama Pinjam", out.loanDays},
                  {t.finePerDay, "Denda per Hari", out.finePerDay},
                  {t.graceDays, "Toleransi", out.graceDays},
                  {t.fineCap, "Maks. Denda", out.fineCap},
                  {t.maxRenewals, "Maks. Perpanjang", out.maxRenewals},
                  {t.renewDays, "Hari Perpanjang", out.renewDays}};
    bool saysSomething = out.notLent;
    for (const auto& f : fields) {
        if (QString problem = ParseField(f.text, QString::fromLatin1(f.field), f.value); !problem.isEmpty())
            return problem;
        saysSomething = saysSomething || f.value.has_value();
    }
    if (!saysSomething) return QStringLiteral("Aturan kosong: isi paling sedikit satu kolom..");
    if (out.graceDays && out.loanDays && *out.graceDays > *out.loanDays)
        return QStringLiteral("Toleransi tidak boleh lebih lama dari Lama Pinjam..");
    for (const LoanRule& other : others)
        if (SameRuleWord(other.kategori, out.kategori) && SameRuleWord(other.jenis, out.jenis))
            return QStringLiteral("Kategori dan Jenis: sudah ada aturan untuk ") + out.name() +
                   QStringLiteral("..");
    return {};
}

RuleTexts TextsOf(const LoanRule& r) {
    return {r.kategori,        r.jenis,         Text(r.maxItems),    Text(r.loanDays),  Text(r.finePerDay),
            Text(r.graceDays), Text(r.fineCap), Text(r.maxRenewals), Text(r.renewDays), r.notLent};
}

DbResult SaveRules(Database& db, const std::vector<LoanRule>& rules) {
    Transaction tx(db);
    if (!tx.active()) return tx.beginResult();
    if (DbResult r = db.exec(QStringLiteral("delete from AturanPinjam")); !r) return r;
    for (const LoanRule& rule : rules) {
        const RuleTexts t = TextsOf(rule);
        DbResult r =
            db.exec(QStringLiteral("insert into AturanPinjam (Kategori, Jenis, MaksPinjam, LamaPinjam, "
                                   "DendaPerHari, Toleransi, MaksDenda, MaksPerpanjang, HariPerpanjang, "
                                   "TidakDipinjam) values (?,?,?,?,?,?,?,?,?,?)"),
                    {t.kategori, t.jenis, t.maxItems, t.loanDays, t.finePerDay, t.graceDays, t.fineCap,
                     t.maxRenewals, t.renewDays, t.notLent ? QStringLiteral("1") : QStringLiteral("0")});
        if (!r) return r;
    }
    return tx.commit();
}

}  // namespace zelkor
