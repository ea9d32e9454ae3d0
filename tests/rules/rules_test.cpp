// The rule chosen for a pair, due dates over closed days, fines with grace and cap,
// and the rules the form refuses.
#include <gtest/gtest.h>

#include <cstring>

#include "core/dates.h"
#include "rules/due_and_fine.h"
#include "rules/rules_store.h"
#include "support/qstring_print.h"

using namespace zelkor;

namespace {

LoanRule Rule(const QString& kategori, const QString& jenis, std::int64_t loanDays) {
    LoanRule r;
    r.kategori = kategori;
    r.jenis = jenis;
    r.loanDays = loanDays;
    return r;
}

QDate D(const char* text) {
    return ParseIsoDate(QString::fromLatin1(text));
}

LibraryCalendar SundaysAndNewYear(bool openDaysOnly = false) {
    LibraryCalendar c;
    c.closedWeekday[7] = true;
    c.holidays = {D("2027-01-01"), D("2026-12-25")};
    c.countOpenDaysOnly = openDaysOnly;
    return c;
}

}  // namespace

TEST(RulesTest, TheMostSpecificRuleWins) {
    const std::vector<LoanRule> rules = {Rule("semua", "semua", 1), Rule("semua", "Majalah", 2),
                                         Rule("Guru", "semua", 3), Rule("guru ", "Majalah", 4)};
    const struct {
        const char* kategori;
        const char* jenis;
        std::int64_t days;  // of the rule chosen
    } cases[] = {
        {"Guru", "Majalah", 4},  {"GURU", "majalah", 4}, {"Guru", "Buku", 3}, {"Guru", "", 3},
        {"Siswa", "Majalah", 2}, {"Siswa", "Buku", 1},   {"", "", 1},
    };
    for (const auto& c : cases) {
        const LoanRule* r = ChooseRule(rules, c.kategori, c.jenis);
        ASSERT_NE(r, nullptr) << c.kategori << "/" << c.jenis;
        EXPECT_EQ(*r->loanDays, c.days) << c.kategori << "/" << c.jenis;
    }
    EXPECT_EQ(ChooseRule({Rule("Guru", "semua", 3)}, "Siswa", "Buku"), nullptr);
}

TEST(RulesTest, DueDatesSkipClosedDaysAcrossTheYearEnd) {
    const LoanRule fourteen = Rule("semua", "semua", 14);
    const struct {
        const char* from;
        const LoanRule* rule;
        const char* memberDays;
        bool calendar;
        const char* due;
    } cases[] = {
        {"2016-03-07", nullptr, "7", false, "2016-03-14"},    // no rule, no calendar: as always
        {"2016-03-07", nullptr, "", false, "2016-03-07"},     // no period typed
        {"2026-12-18", &fourteen, "7", false, "2027-01-01"},  // the rule's days, no calendar
        {"2026-12-18", &fourteen, "7", true, "2027-01-02"},   // a holiday: the next open day
        {"2026-12-20", nullptr, "7", true, "2026-12-28"},     // 12-27 is a Sunday
        {"2026-12-18", nullptr, "7", true, "2026-12-26"},     // 12-25 is a holiday
        {"2024-02-22", nullptr, "7", false, "2024-02-29"},    // a leap day
    };
    for (const auto& c : cases)
        EXPECT_EQ(LoanDueDate(c.rule, c.calendar ? SundaysAndNewYear() : LibraryCalendar(), D(c.from),
                              c.memberDays),
                  c.due)
            << c.from;
    LibraryCalendar alwaysClosed;
    alwaysClosed.closedWeekday.fill(true);
    EXPECT_EQ(LoanDueDate(nullptr, alwaysClosed, D("2026-12-01"), "3"), "2026-12-04");
}

TEST(RulesTest, FinesInWholeDaysWithGraceAndCap) {
    LoanRule graceCap = Rule("semua", "semua", 7);
    graceCap.graceDays = 2;
    graceCap.fineCap = 2500;
    graceCap.finePerDay = 500;
    LoanRule itemsOwn = graceCap;
    itemsOwn.finePerDay.reset();
    const struct {
        const char* what;
        const LoanRule* rule;
        bool openDaysOnly;
        const char* due;
        const char* on;
        const char* denda;
        QString days, fine;
        bool grace, capped;
    } cases[] = {
        {"no rule: days x Denda", nullptr, false, "2016-03-01", "2016-03-11", "1000", "10", "10000", false,
         false},
        {"not yet due", nullptr, false, "2016-03-18", "2016-03-11", "1000", "0", "0", false, false},
        {"no Denda, no fine", nullptr, false, "2016-03-01", "2016-03-11", " ", "10", "", false, false},
        {"a part of a unit", nullptr, false, "2016-03-09", "2016-03-11", "100.75", "2", "202", false, false},
        {"no date", nullptr, false, "", "2016-03-11", "1000", "", "", false, false},
        {"within grace", &graceCap, false, "2016-03-09", "2016-03-11", "1000", "2", "0", true, false},
        {"past grace", &graceCap, false, "2016-03-08", "2016-03-11", "1000", "3", "1500", false, false},
        {"capped", &graceCap, false, "2016-03-01", "2016-03-11", "1000", "10", "2500", false, true},
        {"the item's Denda", &itemsOwn, false, "2016-03-08", "2016-03-11", "300", "3", "900", false, false},
        // Over Christmas, two Sundays and New Year: 11 days after 12-24, 7 of them open.
        {"open days only", nullptr, true, "2026-12-24", "2027-01-04", "100", "7", "700", false, false},
        {"every day", nullptr, false, "2026-12-24", "2027-01-04", "100", "11", "1100", false, false},
    };
    for (const auto& c : cases) {
        const LateFine f = FineFor(c.rule, SundaysAndNewYear(c.openDaysOnly), c.due, D(c.on), c.denda);
        EXPECT_EQ(f.daysText(), c.days) << c.what;
        EXPECT_EQ(f.amountText(), c.fine) << c.what;
        EXPECT_EQ(f.inGrace, c.grace) << c.what;
        EXPECT_EQ(f.capped, c.capped) << c.what;
    }
}

TEST(RulesTest, BadRulesAreRefusedNamingTheField) {
    const std::vector<LoanRule> kept = {Rule("Guru", "semua", 14)};
    auto texts = [](const char* kategori, const char* maxItems, const char* loan, const char* grace,
                    const char* cap) {
        RuleTexts t;
        t.kategori = kategori;
        t.maxItems = maxItems;
        t.loanDays = loan;
        t.graceDays = grace;
        t.fineCap = cap;
        return t;
    };
    const struct {
        RuleTexts texts;
        const char* problemStart;  // "" when accepted
    } cases[] = {
        {texts("Siswa", "3", "7", "2", "5000"), ""},
        {texts("Siswa", "-1", "7", "", ""), "Maks. Pinjam"},
        {texts("Siswa", "", "7x", "", ""), "Lama Pinjam"},
        {texts("Siswa", "", "7", "", "1000000000000"), "Maks. Denda"},
        {texts("Siswa", "", "", "", ""), "Aturan kosong"},
        {texts("Siswa", "", "3", "5", ""), "Toleransi"},
        {texts(" guru", "2", "", "", ""), "Kategori dan Jenis"},
    };
    for (const auto& c : cases) {
        LoanRule out;
        const QString problem = ParseRule(c.texts, kept, out);
        EXPECT_EQ(problem.left(int(strlen(c.problemStart))), QString::fromLatin1(c.problemStart));
        EXPECT_EQ(problem.isEmpty(), QByteArray(c.problemStart).isEmpty()) << problem.toStdString();
    }
}
