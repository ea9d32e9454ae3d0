// The overdue list against a plain statement over the movements, and its letters.
#include <gtest/gtest.h>

#include "../circulation/driver.h"
#include "core/dates.h"
#include "rules/overdue_form.h"
#include "rules/overdue_list.h"

using namespace zelkor;
using namespace zelkor::test;

TEST(OverdueTest, WithoutRulesTheListIsThePlainStatementGroupedByMember) {
    TestEnv env;
    env.addMember("M01", "Budi", "Siswa");
    env.addMember("M02", "Ani", "Guru");
    env.addItem("B01", "Matematika", 1000);
    env.addItem("B02", "Sejarah", 500);
    env.addItem("R01", "Kamera", 2000, 2500);
    AddMovement(env, "1", "M01", "PINJAM", "B01", "2016-03-01");
    AddMovement(env, "2", "M01", "RENTAL", "R01", "2016-03-09");
    AddMovement(env, "3", "M01", "PINJAM", "B02", "2016-03-18");  // not yet due
    AddMovement(env, "4", "M02", "PINJAM", "B02", "2016-02-01");
    AddMovement(env, "5", "M02", "PINJAM", "B01", "2016-02-01", "1");  // returned
    AddMovement(env, "6", "M02", "KUNJUNG", "KUNJUNG", "2016-03-01");  // a visit
    AddMovement(env, "7", "M02", "PINJAM", "X99", "2016-03-10");       // the item is gone
    AddMovement(env, "8", "M01", "PINJAM", "B02", "2016-03-11");       // due that day

    const QDate on = ParseIsoDate("2016-03-11");
    const auto listed = [&] {
        QStringList out;
        for (const OverdueMember& m : OverdueAt(env.db(), LoanSettings(), on))
            for (const OverdueLoan& l : m.loans)
                out << m.id + "|" + m.nama + "|" + m.kategori + "|" + l.transId + "|" + l.namaItem + "|" +
                           QString::number(l.lateDays) + "|" + (l.fine ? QString::number(*l.fine) : QString());
        return out;
    };
    const QStringList plain = env.rows(
        "select t.IdMember, ifnull((select Nama from Member where Id=t.IdMember), ''), "
        "ifnull((select Kategori from Member where Id=t.IdMember), ''), t.Id, "
        "ifnull((select NamaItem from ItemPerpus where Id=t.IdItemPerpus), ''), "
        "cast(julianday(?1)-julianday(t.TglKembali) as integer), "
        "ifnull(cast(cast(julianday(?1)-julianday(t.TglKembali) as integer) * "
        "(select nullif(trim(i.Denda),'') from ItemPerpus i where i.Id=t.IdItemPerpus) as text), '') "
        "from TransPerpus t where t.Status<1 and t.KodeTrans<>'KUNJUNG' and t.TglKembali < ?1 "
        "order by (select max(julianday(?1)-julianday(u.TglKembali)) from TransPerpus u "
        "where u.IdMember=t.IdMember and u.Status<1 and u.KodeTrans<>'KUNJUNG' and u.TglKembali < ?1) desc, "
        "t.IdMember, julianday(?1)-julianday(t.TglKembali) desc, t.Id",
        {"2016-03-11"});
    EXPECT_EQ(listed(), plain);
    EXPECT_EQ(plain.size(), 4);
    // The same from the tables in a library without the indexes made for the list.
    env.exec("drop index Member_Overdue");
    env.exec("drop index ItemPerpus_Overdue");
    EXPECT_EQ(listed(), plain);

    // One letter per member, the items and the fine so far in it.
    env.ctx().todayText = "2016-03-11";
    OverdueForm form(env.ctx());
    form.printLetters();
    ASSERT_EQ(env.printers.jobs.size(), 2u);
    QStringList first;
    for (const PrintedLine& l : env.printers.jobs[0].lines) first << l.text;
    EXPECT_TRUE(first.join(' ').contains("Sejarah (kembali 2016-02-01, terlambat 39 hari)"));
    EXPECT_TRUE(first.join(' ').contains("Rp 19500"));
    EXPECT_TRUE(form.chatTexts().startsWith("M02 Ani:\nHalo Ani, item perpustakaan berikut"));
}
