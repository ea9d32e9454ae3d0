// "Koneksi Database": only an existing library is connected; conn.txt is
// replaced whole and the program keeps its connection on any failure.
#include "admin/backup_restore.h"
#include "admin/connection_form.h"
#include "app/config_files.h"
#include "core/field.h"
#include "library_files.h"
#include "support/form_driver.h"

using namespace zelkor;
using namespace zelkor::test;

namespace {

class ConnectionTest : public DbTest {
  protected:
    void SetUp() override {
        env.exec("insert into Member (Id, Nama) values ('M1', 'Budi')");
        WriteBytes(conn(), "test.db;-;-\n");
        MakeLibrary(env.dir() + "/lain.db", {"L1", "L2"});
    }
    QString conn() const { return env.dir() + "/conn.txt"; }
    // Types the path into "Sumber" and presses "Simpan dan Keluar"; true when the form closed.
    bool connect(const QString& path) {
        ConnectionForm form(env.ctx());
        form.show();
        EXPECT_EQ(Child<QLineEdit>(&form, "source")->text(), env.ctx().databasePath);
        env.messages.clear();
        if (HasLineBreak(path))
            Child<QLineEdit>(&form, "source")->setText(path);  // a line break comes only by pasting
        else
            TypeInto(&form, "source", path);
        Click(&form, "save");
        return !form.isVisible();
    }
    QStringList members() { return env.rows("select Id from Member order by Id"); }
};

}  // namespace

TEST_F(ConnectionTest, WhatIsNoLibraryIsRefusedAndTheProgramKeepsItsConnection) {
    WriteBytes(env.dir() + "/catatan.db3", "bukan database");
    { Database::open(env.dir() + "/toko.db3", nullptr)->exec("create table Produk (Kode text)"); }
    const QString path = env.ctx().databasePath;
    Database* const db = &env.db();
    struct Case {
        QString typed;
        QString reason;
    } cases[] = {
        {"tidakada.db3", "file " + env.dir() + "/tidakada.db3 tidak ditemukan"},
        {env.dir() + "/folder/tidakada.db3", "file " + env.dir() + "/folder/tidakada.db3 tidak ditemukan"},
        {"", "nama file database kosong"},
        {"   ", "nama file database kosong"},
        {"catatan.db3", "file is not a database"},
        {"toko.db3",
         "bukan database perpustakaan (tabel ItemPerpus, Member, TransPerpus, ItemHilang, Kas, useradmin "
         "tidak ada)"},
        {"lain.db;x", "nama file database tidak boleh memuat tanda ;"},
        {"lain.db\nx", "nama file database tidak boleh memuat tanda pindah baris"},
        {env.dir(), env.dir() + " bukan sebuah file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        EXPECT_FALSE(connect(c.typed));
        EXPECT_EQ(Told(env), QStringList({"Info: Tidak dapat membuka database: " + c.reason}));
        EXPECT_EQ(&env.db(), db);
        EXPECT_EQ(env.ctx().databasePath, path);
        EXPECT_EQ(members(), QStringList({"M1"}));
    }
    EXPECT_EQ(ReadBytes(conn()), "test.db;-;-\n");
    EXPECT_FALSE(QFile::exists(env.dir() + "/tidakada.db3")) << "no empty database is made";
}

TEST_F(ConnectionTest, ALibraryIsConnectedAndWrittenIntoConnTxt) {
    EXPECT_TRUE(connect("lain.db"));
    EXPECT_EQ(Told(env), QStringList({"Info: database berhasil dikoneksikan.."}));
    EXPECT_EQ(members(), QStringList({"L1", "L2"}));
    EXPECT_EQ(env.ctx().databasePath, "lain.db");
    EXPECT_EQ(ReadBytes(conn()), "lain.db;;\n");  // the "-" read at start-up comes back empty
    EXPECT_EQ(ParseConnLine(ReadLastLine(conn())).databasePath, "lain.db");

    // The backup now copies the new library.
    ASSERT_TRUE(BackUpDatabase(env.ctx()));
    EXPECT_EQ(MembersIn(env.dir() + "/BackUp20160307.dataperpus"), QStringList({"L1", "L2"}));

    // The carried texts are written back as held; "Cari Database" fills the field.
    env.ctx().connText2 = "alpha";
    env.ctx().connText3 = "beta";
    ConnectionForm form(env.ctx());
    form.show();
    env.files.paths = {env.dir() + "/test.db"};
    Click(&form, "browse");
    EXPECT_EQ(Child<QLineEdit>(&form, "source")->text(), env.dir() + "/test.db");
    Click(&form, "save");
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(members(), QStringList({"M1"}));
    EXPECT_EQ(ReadBytes(conn()), (env.dir() + "/test.db;alpha;beta\n").toUtf8());
}

TEST_F(ConnectionTest, ConnTxtThatCannotBeWrittenLeavesTheConnection) {
    WriteBytes(env.dir() + "/biasa.txt", "bukan folder");
    env.ctx().workDir = env.dir() + "/biasa.txt";
    EXPECT_FALSE(connect(env.dir() + "/lain.db"));
    ASSERT_EQ(env.messages.shown.size(), 1u);
    EXPECT_TRUE(env.messages.shown[0].text.startsWith("File conn.txt tidak dapat disimpan: "));
    EXPECT_TRUE(env.messages.shown[0].text.endsWith(". Koneksi database tidak berubah.."));
    EXPECT_EQ(members(), QStringList({"M1"}));
}
