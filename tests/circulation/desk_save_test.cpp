// What a save books, below the desk: which rows reach the journal, the discount's
// identifier, and the all-or-nothing save whichever statement fails.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "circulation/cart.h"
#include "circulation/desk_save.h"
#include "driver.h"

using namespace zelkor;
using namespace zelkor::test;

namespace {

struct Row {
    QString kode, nama, biaya, trans;
};

SaveRequest Request(const QString& potongan, const QString& name = "Budi") {
    return {"20160307090502", "2016-03-07", "admin", "M01", name, potongan};
}

void Fill(GridData& cart, const std::vector<Row>& rows) {
    SetUpCartColumns(cart);
    for (const Row& r : rows) AppendCartRow(cart, r.kode, r.nama, "1", r.biaya, r.trans, "2016-03-10");
}

// Every row of every table the save touches, to compare before and after.
QStringList Books(TestEnv& env) {
    return env.rows("select * from TransPerpus order by Id") + env.rows("select * from Kas order by Id");
}

void OpenLoan(TestEnv& env) {
    AddMovement(env, "201501010800001", "M01", "PINJAM", "B01", "2015-01-08", "0", "2015-01-01");
}

}  // namespace

TEST(DeskSaveTest, BooksOnlyChargedRowsAndTheDiscountAfterTheLastBookedRow) {
    const Row visit{"KUNJUNG", "BURKUNJUNG", "1500", kTransKunjung};
    struct Case {
        const char* what;
        std::vector<Row> rows;
        QString potongan;
        QStringList kas;  // Id|Kategori|Uraian|Masuk
        QString query = {};
        QStringList queried = {};
        QString name = "Budi";
    } cases[] = {
        {"the discount's number follows the last BOOKED row, not the last row",
         {visit, {"B01", "Matematika", "0", kTransPinjam}},
         "500",
         {"201603070905021|Penerimaan Administrasi Kunjungan|Administrasi Budi|1500",
          "201603070905022|Potongan|Potongan untuk : Budi|-500"}},
        {"a free cart books neither its rows nor a discount",
         {{"B01", "Matematika", "0", kTransPinjam}},
         "500",
         {}},
        {"a negative fine is never booked, nor a loan even carrying a charge",
         {{"R01", "Kamera", "6000", kTransRental},
          {"201501010800001", "Matematika", "-0.2", kTransReturn},
          {"B02", "Fisika", "300", kTransPinjam}},
         "",
         {"201603070905021|Penerimaan Rental|Penerimaan Rental Kamera|6000"},
         "select Status, TglReturn from TransPerpus where Id='201501010800001'",
         {"1|2016-03-07"}},
        {"typed text is stored exactly",
         {{"R'1", "Buku 'Lama'", "2000", kTransRental}, visit},
         "100",
         {"201603070905021|Penerimaan Rental|Penerimaan Rental Buku 'Lama'|2000",
          "201603070905022|Penerimaan Administrasi Kunjungan|Administrasi O'Brien|1500",
          "201603070905023|Potongan|Potongan untuk : O'Brien|-100"},
         "select IdItemPerpus from TransPerpus where Id='201603070905021'",
         {"R'1"},
         "O'Brien"},
        {"an empty cart writes nothing", {}, "500", {}},
    };
    for (const Case& c : cases) {
        TestEnv env;
        OpenLoan(env);
        GridData cart;
        Fill(cart, c.rows);
        ASSERT_TRUE(SaveCart(env.db(), cart, Request(c.potongan, c.name)).ok) << c.what;
        EXPECT_EQ(env.rows("select Id, Kategori, Uraian, Masuk from Kas order by Id"), c.kas) << c.what;
        // Every row but a return is a new movement; a return updates the movement it names.
        int movements = 1;
        for (const Row& r : c.rows) movements += r.trans != kTransReturn;
        EXPECT_EQ(env.scalar("select count(*) from TransPerpus"), QString::number(movements)) << c.what;
        if (!c.query.isEmpty()) {
            EXPECT_EQ(env.rows(c.query), c.queried) << c.what;
        }
    }
}

// The save is all or nothing: whichever statement fails, the books stay as they were.
TEST(DeskSaveTest, AFailureAnywhereLeavesTheBooksAsTheyWere) {
    GridData cart;
    Fill(cart, {{"R01", "Kamera", "6000", kTransRental},
                {"201501010800001", "Matematika", "1500.0", kTransReturn},
                {"KUNJUNG", "BURKUNJUNG", "1500", kTransKunjung}});
    const int statements = static_cast<int>(BuildSaveStatements(cart, Request("500")).size());
    ASSERT_EQ(statements, 3 + 3 + 1);

    struct Case {
        const char* what;
        QStringList setup;
        bool duplicate;
        bool atCommit = false;  // every statement ran, the COMMIT itself failed
    } cases[] = {
        {"movement id taken", {"insert into TransPerpus (Id,Status) values ('201603070905023','0')"}, true},
        {"journal line taken by a hand entry",
         {"insert into Kas (Id,Masuk,Keluar) values ('201603070905022','5','0')"},
         true},
        {"discount line taken",
         {"insert into Kas (Id,Masuk,Keluar) values ('201603070905024','5','0')"},
         true},
        {"journal refuses writes",
         {"create trigger NoKas before insert on Kas begin select raise(abort, 'journal closed'); end"},
         false},
        // A check that SQLite makes only at COMMIT: a journal line pointing at no member.
        {"the commit fails",
         {"PRAGMA foreign_keys=ON",
          "create table Pemeriksa (IdMember text references Member(Id) deferrable initially deferred)",
          "create trigger CekKas after insert on Kas begin insert into Pemeriksa values ('tidak ada'); end"},
         false,
         true},
    };
    for (const Case& c : cases) {
        TestEnv env;
        env.exec("insert into TransPerpus (Id,Status) values ('201501010800001','0')");
        for (const QString& sql : c.setup) env.exec(sql);
        const QStringList before = Books(env);
        const SaveOutcome out = SaveCart(env.db(), cart, Request("500"));
        EXPECT_FALSE(out.ok) << c.what;
        EXPECT_FALSE(out.error.isEmpty()) << c.what;
        EXPECT_EQ(out.duplicateId, c.duplicate) << c.what;
        if (c.atCommit)
            EXPECT_EQ(out.statements, statements) << c.what;
        else
            EXPECT_LT(out.statements, statements) << c.what;
        EXPECT_EQ(Books(env), before) << c.what;
        EXPECT_TRUE(sqlite3_get_autocommit(env.db().handle())) << c.what;  // no transaction left open
    }
}

// A return closes exactly one movement still out. When another copy of the program
// on the same library returned it meanwhile, or the movement is gone, or one cart
// holds it twice, the whole save is undone and the fine is never booked twice.
TEST(DeskSaveTest, AReturnClosesExactlyOneMovementStillOut) {
    const Row fine{"201501010800001", "Matematika", "1500", kTransReturn};
    const Row rental{"R01", "Kamera", "6000", kTransRental};
    const struct {
        const char* what;
        std::vector<Row> rows;
        QString meanwhile;  // what happens on another connection to the same file first
        int returnedAlready;
    } cases[] = {
        {"returned by another copy of the program", {rental, fine}, "the other desk", 1},
        {"the movement is gone", {fine, rental}, "delete from TransPerpus where Id='201501010800001'", 0},
        {"twice in one cart", {fine, rental, fine}, "", 2},
    };
    for (const auto& c : cases) {
        TestEnv env;
        OpenLoan(env);
        QString error;
        std::unique_ptr<Database> other = Database::open(env.ctx().databasePath, &error);
        ASSERT_TRUE(other) << error.toStdString();
        if (c.meanwhile == "the other desk") {
            GridData theirs;
            Fill(theirs, {fine});
            SaveRequest r = Request("");
            r.stamp = "20160307090400";
            ASSERT_TRUE(SaveCart(*other, theirs, r).ok);
        } else if (!c.meanwhile.isEmpty()) {
            ASSERT_TRUE(other->exec(c.meanwhile).ok);
        }
        const QStringList before = Books(env);

        GridData cart;
        Fill(cart, c.rows);
        const SaveOutcome out = SaveCart(env.db(), cart, Request(""));
        EXPECT_FALSE(out.ok) << c.what;
        EXPECT_EQ(out.returnedAlready, c.returnedAlready) << c.what;
        EXPECT_EQ(Books(env), before) << c.what;
        EXPECT_LE(env.scalar("select count(*) from Kas where Kategori='Penerimaan Administrasi Peminjaman'"),
                  "1")
            << c.what;
        // The other connection sees the same books: nothing of the undone save.
        EXPECT_EQ(other->scalar("select count(*) from TransPerpus"),
                  env.scalar("select count(*) from TransPerpus"))
            << c.what;
    }
}

// The copies are counted again when the cart is written: another desk may have lent
// the last copy after this one's picker counted it.
TEST(DeskSaveTest, NoItemGoesOutMoreOftenThanItIsStocked) {
    const Row loan{"B02", "Sejarah", "", kTransPinjam};
    const Row rental{"R01", "Kamera", "6000", kTransRental};
    const struct {
        const char* what;
        std::vector<Row> rows;
        int outMeanwhile;  // copies of B02 (stock 3) lent by the other desk first
        int noCopyLeft;
    } cases[] = {
        {"the last copy went meanwhile", {rental, loan}, 3, 1},
        {"two copies asked, one left", {loan, loan}, 2, 0},  // the item's first row names it
        {"one copy left for one loan", {loan, rental}, 2, -1},
    };
    for (const auto& c : cases) {
        TestEnv env;
        env.addItem("B02", "Sejarah");
        env.addItem("R01", "Kamera", 0, 6000);
        for (int i = 0; i < c.outMeanwhile; ++i)
            AddMovement(env, QString("20160307080000%1").arg(i), "M02", "PINJAM", "B02", "2016-03-14", "0",
                        "2016-03-07");
        const QStringList before = Books(env);
        GridData cart;
        Fill(cart, c.rows);
        const SaveOutcome out = SaveCart(env.db(), cart, Request(""));
        EXPECT_EQ(out.ok, c.noCopyLeft < 0) << c.what;
        EXPECT_EQ(out.noCopyLeft, c.noCopyLeft) << c.what;
        if (!out.ok) {
            EXPECT_EQ(Books(env), before) << c.what;
        }
    }
}

// A cart paid short owes for the movements it charged: a return and a renewal
// charge loans already written, a rental the movement the save inserts.
TEST(DeskSaveTest, AShortPaymentOwesForTheLoansItCharged) {
    GridData cart;
    Fill(cart, {{"201501010800001", "Matematika", "1500", kTransReturn},
                {"201501010800002", "Fisika", "2000", kTransPerpanjang},
                {"R01", "Kamera", "6000", kTransRental}});
    SaveRequest request = Request("");
    request.dibayar = 1000;
    QStringList sources;
    for (const SaveStatement& s : BuildSaveStatements(cart, request))
        if (s.sql.contains("TanggunganAsal")) sources << s.values.value(1).toString();
    EXPECT_EQ(sources, QStringList({"201501010800001", "201501010800002", "201603070905023"}));
}
