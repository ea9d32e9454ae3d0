// "Data User" and "User Admin": operators added with the hashed initial password
// that logs in, refused duplicates and names, photos, deletion and the exports.
#include <QAction>
#include <QDir>
#include <QImage>
#include <QLabel>

#include "accounts/login.h"
#include "accounts/operator_form.h"
#include "accounts/operator_list.h"
#include "accounts/password_hash.h"
#include "app/pictures.h"
#include "support/files.h"
#include "support/form_driver.h"
#include "support/modal.h"

using namespace zelkor;
using namespace zelkor::test;

namespace {

class OperatorsTest : public DbTest {
  protected:
    void SetUp() override {
        env.exec("insert into useradmin (User, Password) values ('admin', ?), ('tono', ?), ('ani', ?)",
                 {HashPassword("admin"), HashPassword("t"), HashPassword("a")});
        list = std::make_unique<OperatorList>(env.ctx());
        list->show();
    }
    void press(const char* action) { list->findChild<QAction*>(action)->trigger(); }
    // "Tambah User", then the form as the operator fills it in.
    void add(const QString& name, const QString& photo = {}) {
        WhenModal<OperatorForm>([&](OperatorForm* form) {
            if (!photo.isEmpty()) {
                env.files.paths = {photo};
                Click(form, "choosePhoto");
            }
            TypeInto(form, "name", name);
            Click(form, "save");
            if (form->isVisible()) form->reject();  // refused: the form stayed open
        });
        press("add");
    }
    QString picture(const QString& name, QColor colour) {
        QImage image(6, 8, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = env.dir() + "/" + name;
        EXPECT_TRUE(image.save(path));
        return path;
    }
    std::unique_ptr<OperatorList> list;
};

}  // namespace

TEST_F(OperatorsTest, ListShowsEveryOperatorButAdminByName) {
    EXPECT_EQ(Rows(list->grid()), QStringList({"ani|OPERATOR", "tono|OPERATOR"}));
    for (QAction* a : list->findChildren<QAction*>())
        if (!a->objectName().isEmpty()) {
            EXPECT_FALSE(a->icon().isNull()) << a->objectName().toStdString();
            EXPECT_FALSE(a->shortcut().isEmpty()) << a->objectName().toStdString();
        }
}

TEST_F(OperatorsTest, NewOperatorLogsInWithTheHashedInitialPassword) {
    add("siti");
    EXPECT_EQ(Told(env), QStringList({"Entry Data..: Data berhasil disimpan.."}));
    const QString stored = env.scalar("select Password from useradmin where User='siti'");
    EXPECT_TRUE(IsPasswordHash(stored)) << stored.toStdString();
    EXPECT_TRUE(CheckLogin(env.ctx(), "siti", "8406"));
    EXPECT_FALSE(CheckLogin(env.ctx(), "siti", "8407"));
    EXPECT_EQ(Rows(list->grid()), QStringList({"ani|OPERATOR", "siti|OPERATOR", "tono|OPERATOR"}));
    EXPECT_EQ(list->grid().selectedCell(0), "siti");

    add("O'Neil");  // a quote is stored as typed
    EXPECT_TRUE(CheckLogin(env.ctx(), "O'Neil", "8406"));
}

TEST_F(OperatorsTest, DuplicateEmptyAndUnusableNamesAreRefused) {
    const char* kSpaces = "Gagal menyimpan, Nama User tidak boleh diawali atau diakhiri spasi..";
    const char* kDevice =
        "Gagal menyimpan, Nama User tidak boleh berupa nama perangkat (CON, PRN, AUX, NUL, COM1-COM9, "
        "LPT1-LPT9)..";
    struct Case {
        const char* name;
        const char* told;
    } cases[] = {
        {"tono", "Gagal menyimpan, Id/Kode Sudah Tersedia.."},
        {"admin", "Gagal menyimpan, Id/Kode Sudah Tersedia.."},
        {"", "Gagal menyimpan, kolom Kode atau Nama belum terisi.."},
        {"../../siti", "Gagal menyimpan, Nama User tidak boleh memuat tanda / \\ : * ? \" < > |.."},
        {"a:b", "Gagal menyimpan, Nama User tidak boleh memuat tanda / \\ : * ? \" < > |.."},
        {"..", "Gagal menyimpan, Nama User tidak boleh memuat tanda / \\ : * ? \" < > |.."},
        {" siti", kSpaces},
        {"siti ", kSpaces},
        {"nul", kDevice},
        {"CON", kDevice},
        {"Aux.bmp", kDevice},
        {"prn .txt", kDevice},
        {"com1", kDevice},
        {"LPT9.tar.gz", kDevice},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        env.messages.clear();
        add(QString::fromUtf8(c.name), picture("foto.png", Qt::red));
        EXPECT_EQ(Told(env), QStringList({QString("Entry Data..: ") + c.told}));
    }
    EXPECT_EQ(env.scalar("select count(*) from useradmin"), "3");
    EXPECT_EQ(Rows(list->grid()), QStringList({"ani|OPERATOR", "tono|OPERATOR"}));
    EXPECT_FALSE(QDir(env.dir() + "/image").exists()) << "no photo for a refused operator";
}

TEST_F(OperatorsTest, PhotoIsStoredAsABitmapForItsOwnOperatorOnly) {
    add("siti", picture("siti.png", Qt::blue));
    add("budi");  // no photo chosen in this form: budi gets none
    const QString photo = OperatorPhotoPath(env.ctx(), "siti");
    EXPECT_EQ(photo, env.dir() + "/image/operator/siti.bmp");
    EXPECT_EQ(ReadBytes(photo).left(2), "BM");
    EXPECT_EQ(QImage(photo).pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_FALSE(QFile::exists(OperatorPhotoPath(env.ctx(), "budi")));

    // Show mode: the selected operator's name and photo; saving it again is refused.
    ClickRow(list.get(), "operators", Column(list->grid(), 0).indexOf("siti"));
    env.messages.clear();
    QSize shown;
    WhenModal<OperatorForm>([&](OperatorForm* form) {
        EXPECT_EQ(Child<QLineEdit>(form, "name")->text(), "siti");
        shown = Child<QLabel>(form, "photo")->pixmap().size();
        Click(form, "save");
        form->reject();
    });
    press("show");
    EXPECT_EQ(shown, QSize(6, 8));
    EXPECT_EQ(Told(env), QStringList({"Entry Data..: Gagal menyimpan, Id/Kode Sudah Tersedia.."}));
}

TEST_F(OperatorsTest, DeleteAsksAndRemovesOnlyTheSelectedOperator) {
    add("O'Neil");  // the list marks the new operator
    list->view()->clearSelection();
    env.messages.clear();
    env.messages.answers = {MsgAnswer::Yes, MsgAnswer::No};
    press("delete");  // nothing selected: asked, nothing deleted on Yes
    ClickRow(list.get(), "operators", Column(list->grid(), 0).indexOf("O'Neil"));
    press("delete");  // No
    EXPECT_EQ(Told(env), QStringList({kDeleteQuestion, kDeleteQuestion}));
    EXPECT_EQ(env.scalar("select count(*) from useradmin"), "4");

    env.messages.answers = {MsgAnswer::Yes};
    press("delete");
    EXPECT_EQ(env.scalar("select count(*) from useradmin where User='O''Neil'"), "0");
    EXPECT_EQ(Rows(list->grid()), QStringList({"ani|OPERATOR", "tono|OPERATOR"}));
    EXPECT_EQ(list->grid().selectedRow(), -1) << "a second delete takes nobody";
    EXPECT_EQ(env.scalar("select count(*) from useradmin"), "3");
}

TEST_F(OperatorsTest, ExportsReachTheModules) {
    // The real modules, writing into laporan/ of the working directory.
    const QString saved = QDir::currentPath();
    QDir::setCurrent(env.dir());
    qputenv("ZELKOR_EXPORT_NO_OPEN", "1");
    env.ctx().programDir = qEnvironmentVariable("ZELKOR_BIN_DIR");
    press("browser");
    press("spreadsheet");
    QDir::setCurrent(saved);
    const QStringList files = QDir(env.dir() + "/laporan").entryList(QDir::Files, QDir::Name);
    ASSERT_EQ(files.size(), 2) << files.join(' ').toStdString();
    EXPECT_TRUE(files[0].startsWith("LAPORAN_ITEM_DATA_OPERATOR_")) << files[0].toStdString();
    const QString html = QString::fromUtf8(ReadBytes(env.dir() + "/laporan/" + files[0]));
    EXPECT_TRUE(html.contains("LAPORAN ITEM DATA OPERATOR"));
    EXPECT_TRUE(html.contains("tono"));
    EXPECT_TRUE(files[1].endsWith(".xlsx")) << files[1].toStdString();
}

// An operator named "Logo" once overwrote the library's logo with her photo. Photos
// now live in a folder of their own; those an earlier version left beside the logo
// are still shown, but the program's own pictures never pass for a photo.
TEST_F(OperatorsTest, PhotosNeverMeetTheProgramsOwnPictures) {
    ASSERT_TRUE(SaveBitmap(QImage(picture("logo.png", Qt::red)), LogoPath(env.ctx()), nullptr));
    add("Logo", picture("foto.png", Qt::blue));
    EXPECT_EQ(QImage(LogoPath(env.ctx())).pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(QImage(OperatorPhotoPath(env.ctx(), "Logo")).pixelColor(0, 0), QColor(Qt::blue));

    ASSERT_TRUE(SaveBitmap(QImage(picture("lama.png", Qt::green)), env.dir() + "/image/tono.bmp", nullptr));
    const std::pair<const char*, QString> cases[] = {
        {"Logo", OperatorPhotoPath(env.ctx(), "Logo")},  // her own, not the library's
        {"tono", env.dir() + "/image/tono.bmp"},         // left by an earlier version
        {"LOGO", ""},                                    // the logo itself never
        {"logo", ""},
        {"ani", ""},
        {"../image/Logo", ""},
        {"", ""},
    };
    for (const auto& [user, shown] : cases) EXPECT_EQ(ExistingOperatorPhoto(env.ctx(), user), shown) << user;
}
