// zelkor-demo: the sample library is the same every time and reads like the
// desk, the journal forms and the lost-item form wrote it.
#include <gtest/gtest.h>
#include <QCryptographicHash>
#include <QTemporaryDir>

#include "accounts/password_hash.h"
#include "tool_run.h"

using namespace zelkor;
using namespace zelkor::test;

namespace {

// The day the samples of these tests are made "on"; their history runs from
// 2015-01-01 to 2016-03-06.
const QString kToday = "2016-03-07";
const QStringList kTables = {"ItemPerpus", "Member", "TransPerpus", "Kas", "ItemHilang", "useradmin"};

QString makeSample(const QTemporaryDir& dir, const QString& name, const QString& today = kToday) {
    const QString path = dir.filePath(name);
    const ProgramRun run = RunTool("zelkor-demo", {path, "--today", today});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith("Created ")) << run.out.toStdString();
    EXPECT_EQ(run.out.count('\n'), 1);  // one line
    return path;
}

// A hash of every table's rows in a fixed order. Passwords are salted hashes,
// new on every run, so only the account names count.
QByteArray contentHash(const QString& path) {
    auto db = OpenDb(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QString& table : kTables) {
        const QString sql = table == "useradmin" ? "select User from useradmin order by User"
                                                 : "select * from " + table + " order by 1, 2, 3, 4, 5, 6, 7";
        hash.addData(Rows(*db, sql).join('\n').toUtf8());
        hash.addData("\x1e");
    }
    return hash.result().toHex();
}

}  // namespace

class SampleLibrary : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir_ = new QTemporaryDir;
        path_ = new QString(makeSample(*dir_, "sample.db"));
    }
    static void TearDownTestSuite() {
        delete path_;
        delete dir_;
    }
    void SetUp() override { db = OpenDb(*path_); }

    QString scalar(const QString& sql) { return db->scalar(sql); }

    static QTemporaryDir* dir_;
    static QString* path_;
    std::unique_ptr<Database> db;
};
QTemporaryDir* SampleLibrary::dir_ = nullptr;
QString* SampleLibrary::path_ = nullptr;

TEST_F(SampleLibrary, HasExactlyTheSchemaOfANewLibrary) {
    EXPECT_EQ(Schema(*db), FreshSchema());
}

TEST_F(SampleLibrary, EveryTableHasRowsAndEveryValueIsAText) {
    for (const QString& table : kTables) {
        EXPECT_NE(scalar("select count(*) from " + table), "0") << table.toStdString();
        for (const QString& column : Rows(*db, "select name from pragma_table_info('" + table + "')")) {
            const QString sql = QString("select count(*) from %1 where typeof(%2) not in ('text', 'null')")
                                    .arg(table, column);
            EXPECT_EQ(scalar(sql), "0") << sql.toStdString();
        }
    }
}

TEST_F(SampleLibrary, OperatorsLogInWithHashedPasswords) {
    for (const auto& [user, password] : {std::pair{"admin", "admin"}, std::pair{"siti", "siti123"}}) {
        const QString stored = db->scalar("select Password from useradmin where User=?", {QString(user)});
        EXPECT_TRUE(IsPasswordHash(stored)) << user;
        EXPECT_TRUE(VerifyPassword(stored, password)) << user;
        EXPECT_FALSE(VerifyPassword(stored, QString(password).toUpper())) << user;
    }
}

// Each statement counts the rows that break one rule; all must count 0.
TEST_F(SampleLibrary, RowsFollowTheRulesOfTheFormsThatWriteThem) {
    const std::pair<const char*, const char*> rules[] = {
        {"unique identifiers",
         "select (select count(*) - count(distinct Id) from ItemPerpus where Id<>'KUNJUNG') + "
         "(select count(*) - count(distinct Id) from Member) + (select count(*) - count(distinct Id) from "
         "TransPerpus) + (select count(*) - count(distinct Id) from Kas) + "
         "(select count(*) - count(distinct Id) from ItemHilang)"},
        {"items: Rental 1 exactly when HargaRental is above 0",
         "select count(*) from ItemPerpus where Id<>'KUNJUNG' and (Rental not in ('0','1') or "
         "(Rental='1') <> (cast(HargaRental as integer) > 0) or (Rental='0' and HargaRental<>'0'))"},
        {"items: ISBN of 13 digits or none",
         "select count(*) from ItemPerpus where Id<>'KUNJUNG' and ISBN<>'' and (length(ISBN)<>13 or "
         "ISBN glob '*[^0-9]*')"},
        {"items: stock never below 0", "select count(*) from ItemPerpus where cast(JmlStock as integer) < 0"},
        {"one visit tariff per member category",
         "select count(*) from (select distinct Kategori from Member) c where "
         "(select count(*) from ItemPerpus where Id='KUNJUNG' and Pengarang=c.Kategori) <> 1"},
        {"tariff rows as the tariff form writes them",
         "select count(*) from ItemPerpus where Id='KUNJUNG' and (NamaItem<>'BERKUNJUNG' or HargaRental is "
         "null "
         "or coalesce(HakCipta, Penerbit, ISBN, Denda, JmlStock, Rental, Rak) is not null or "
         "Pengarang not in (select Kategori from Member))"},
        {"members",
         "select count(*) from Member where Status not in ('0','1') or LP not in ('Laki-laki','Perempuan') "
         "or "
         "cast(DurasiPinjam as integer) < 1 or TglLahir is not date(TglLahir)"},
        {"movements: time-stamp identifier of their day",
         "select count(*) from TransPerpus where substr(Id,1,8) <> replace(TglPinjam,'-','') or "
         "length(Id) not in (15,16) or Id glob '*[^0-9]*'"},
        {"movements: within the history",
         "select count(*) from TransPerpus where TglPinjam < '2015-01-01' or TglPinjam >= '2016-03-07' or "
         "TglReturn >= '2016-03-07' or TglReturn <= TglPinjam"},
        {"movements: Status 1 exactly when returned",
         "select count(*) from TransPerpus where Status not in ('0','1') or (Status='1') <> (TglReturn is "
         "not null)"},
        {"movements: of existing members and items",
         "select count(*) from TransPerpus t where t.IdMember not in (select Id from Member) or "
         "(t.KodeTrans<>'KUNJUNG' and t.IdItemPerpus not in (select Id from ItemPerpus where "
         "Id<>'KUNJUNG'))"},
        {"loans of lendable items, rentals of items for rent",
         "select count(*) from TransPerpus t join ItemPerpus i on i.Id=t.IdItemPerpus where "
         "(t.KodeTrans='PINJAM' and i.Rental<>'0') or (t.KodeTrans='RENTAL' and i.Rental<>'1')"},
        {"loans due after the member's loan period",
         "select count(*) from TransPerpus t join Member m on m.Id=t.IdMember where t.KodeTrans='PINJAM' and "
         "t.TglKembali <> date(t.TglPinjam, '+' || m.DurasiPinjam || ' days')"},
        {"visits: due the same day, never returned",
         "select count(*) from TransPerpus where KodeTrans='KUNJUNG' and "
         "(IdItemPerpus<>'KUNJUNG' or TglKembali<>TglPinjam or Status<>'0')"},
        {"journal: time-stamp identifier of its day",
         "select count(*) from Kas where substr(Id,1,8) <> replace(Tanggal,'-','') or Id glob '*[^0-9]*' or "
         "Tanggal < '2015-01-01' or Tanggal >= '2016-03-07'"},
        {"rental lines: the rental movement with the same identifier, days times price",
         "select count(*) from Kas k where k.Kategori='Penerimaan Rental' and not exists (select 1 from "
         "TransPerpus t join ItemPerpus i on i.Id=t.IdItemPerpus where t.Id=k.Id and t.KodeTrans='RENTAL' "
         "and "
         "t.TglPinjam=k.Tanggal and t.Ops=k.Ops and k.Uraian='Penerimaan Rental ' || i.NamaItem and "
         "k.Keluar='0' and cast(k.Masuk as integer) = "
         "(julianday(t.TglKembali)-julianday(t.TglPinjam)) * i.HargaRental)"},
        {"every rental booked",
         "select count(*) from TransPerpus t where KodeTrans='RENTAL' and t.Id not in (select Id from Kas)"},
        {"visit lines: the visit with the same identifier, the category's tariff",
         "select count(*) from Kas k where k.Kategori='Penerimaan Administrasi Kunjungan' and not exists "
         "(select 1 from TransPerpus t join Member m on m.Id=t.IdMember join ItemPerpus p on p.Id='KUNJUNG' "
         "and "
         "p.Pengarang=m.Kategori where t.Id=k.Id and t.KodeTrans='KUNJUNG' and t.TglPinjam=k.Tanggal and "
         "t.Ops=k.Ops and k.Uraian='Administrasi ' || m.Nama and k.Masuk=p.HargaRental and k.Keluar='0')"},
        {"every paid visit booked, free ones not",
         "select count(*) from TransPerpus t join Member m on m.Id=t.IdMember join ItemPerpus p on "
         "p.Id='KUNJUNG' and p.Pengarang=m.Kategori where t.KodeTrans='KUNJUNG' and "
         "(cast(p.HargaRental as integer) > 0) <> (t.Id in (select Id from Kas where Kategori<>'Potongan'))"},
        {"loans are never booked",
         "select count(*) from Kas k join TransPerpus t on t.Id=k.Id where t.KodeTrans='PINJAM' and "
         "k.Kategori<>'Potongan'"},
        {"fine lines: a late return of that day, days late times Denda",
         "select count(*) from Kas k where k.Kategori='Penerimaan Administrasi Peminjaman' and not exists "
         "(select 1 from TransPerpus t join ItemPerpus i on i.Id=t.IdItemPerpus where t.TglReturn=k.Tanggal "
         "and "
         "k.Uraian='Sanksi Administrasi ' || i.NamaItem and k.Keluar='0' and cast(k.Masuk as integer) = "
         "(julianday(t.TglReturn)-julianday(t.TglKembali)) * i.Denda)"},
        {"one fine line per late return of an item with a fine",
         "select abs((select count(*) from TransPerpus t join ItemPerpus i on i.Id=t.IdItemPerpus where "
         "t.Status='1' and t.TglReturn>t.TglKembali and cast(i.Denda as integer) > 0) - "
         "(select count(*) from Kas where Kategori='Penerimaan Administrasi Peminjaman'))"},
        {"discounts: negative income numbered after the cart's last booked row, at most the cart's total",
         "select count(*) from Kas p where p.Kategori='Potongan' and not (cast(p.Masuk as integer) < 0 and "
         "p.Keluar='0' and p.Uraian like 'Potongan untuk : _%' and "
         "p.Id = substr(p.Id,1,14) || (1 + (select max(cast(substr(k.Id,15) as integer)) from Kas k where "
         "length(k.Id) in (15,16) and substr(k.Id,1,14)=substr(p.Id,1,14) and k.Kategori<>'Potongan')) and "
         "-cast(p.Masuk as integer) <= (select sum(cast(k.Masuk as integer)) from Kas k where "
         "substr(k.Id,1,14)=substr(p.Id,1,14) and k.Kategori<>'Potongan'))"},
        {"manual lines: 16 characters, 01 income, 02 expense",
         "select count(*) from Kas where Kategori not in ('Penerimaan Rental', 'Penerimaan Administrasi "
         "Peminjaman', 'Penerimaan Administrasi Kunjungan', 'Potongan') and not (length(Id)=16 and "
         "((substr(Id,15)='01' and cast(Masuk as integer) > 0 and Keluar='0') or "
         "(substr(Id,15)='02' and cast(Keluar as integer) > 0 and Masuk='0')))"},
        {"lost-item reports",
         "select count(*) from ItemHilang where IdItemPerpus not in (select Id from ItemPerpus where "
         "Id<>'KUNJUNG') or length(Id)<>14 or substr(Id,1,8)<>replace(Tgl,'-','') or cast(Jumlah as "
         "integer)<1 "
         "or Pelapor<>upper(Pelapor) or Tgl >= '2016-03-07'"},
        {"operators",
         "select count(*) from (select Ops from TransPerpus union all select Ops from Kas union all "
         "select Ops from ItemHilang) where Ops not in ('admin','siti')"},
    };
    for (const auto& [rule, sql] : rules) EXPECT_EQ(scalar(sql), "0") << rule;
}

TEST(Demo, TheSameDayGivesTheSameLibrary) {
    QTemporaryDir dir;
    const QByteArray first = contentHash(makeSample(dir, "a.db"));
    EXPECT_EQ(contentHash(makeSample(dir, "b.db")), first);
    // The hash does see the rows: another day moves the whole history.
    EXPECT_NE(contentHash(makeSample(dir, "c.db", "2016-03-08")), first);
}
