// "Identitas Perpustakaan": the identity saved in capitals into perpus.txt and
// sekolah.txt, the logo replaced, and both read again after a restart.
#include <QImage>
#include <QLabel>

#include "admin/identity_form.h"
#include "app/pictures.h"
#include "library_files.h"
#include "program/main_window.h"
#include "program/status_bar.h"
#include "support/form_driver.h"
#include "support/modal.h"

using namespace zelkor;
using namespace zelkor::test;

namespace {

class IdentityTest : public DbTest {
  protected:
    void SetUp() override {
        WriteBytes(env.dir() + "/perpus.txt",
                   "Perpus Harapan;Jl. Merdeka No. 5;0211234567;perpus@harapan.sch.id;X5\n");
        env.ctx().identityField5 = "X5";
        picture("merah.png", Qt::red, 10, 10);
        ASSERT_TRUE(SaveBitmap(QImage(env.dir() + "/merah.png"), LogoPath(env.ctx()), nullptr));
    }
    // A picture file of one colour.
    QString picture(const QString& name, QColor colour, int w, int h) {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = env.dir() + "/" + name;
        EXPECT_TRUE(image.save(path));
        return path;
    }
    QString line(const QString& file) { return ReadBytes(env.dir() + "/" + file).trimmed(); }
    QColor logoColour() { return QImage(LogoPath(env.ctx())).pixelColor(0, 0); }
};

void fill(QWidget* form, const QString& name, const QString& address, const QString& phone) {
    TypeInto(form, "name", name);
    TypeInto(form, "address", address);
    TypeInto(form, "phone", phone);
}

}  // namespace

TEST_F(IdentityTest, LanjutSavesTheIdentityInCapitalsAndInstallsTheNewLogo) {
    IdentityForm form(env.ctx());
    form.show();
    EXPECT_EQ(Child<QLineEdit>(&form, "address")->text(), "Jl. Merdeka No. 5");
    EXPECT_EQ(Child<QLabel>(&form, "logo")->pixmap().size(), QSize(10, 10));

    fill(&form, "taman baca pelangi", "Jl. Kenanga 3", "0274 555");
    EXPECT_EQ(Child<QLineEdit>(&form, "name")->text(), "TAMAN BACA PELANGI");
    env.files.paths = {picture("biru.png", Qt::blue, 20, 12)};
    Click(&form, "chooseLogo");
    EXPECT_EQ(Child<QLabel>(&form, "logo")->pixmap().size(), QSize(20, 12));
    EXPECT_EQ(logoColour(), QColor(Qt::red)) << "nothing is installed before Lanjut";
    Click(&form, "save");

    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(Told(env), QStringList({"Info: data sekolah berhasil dikoneksikan.."}));
    EXPECT_EQ(line("perpus.txt"), "TAMAN BACA PELANGI;Jl. Kenanga 3;0274 555;perpus@harapan.sch.id;X5");
    EXPECT_EQ(line("sekolah.txt"), "TAMAN BACA PELANGI;Jl. Kenanga 3;0274 555;-;X5");
    EXPECT_EQ(env.ctx().libraryName, "TAMAN BACA PELANGI");
    EXPECT_EQ(env.ctx().libraryAddress, "Jl. Kenanga 3");
    EXPECT_EQ(env.ctx().libraryPhone, "0274 555");
    EXPECT_EQ(ReadBytes(LogoPath(env.ctx())).left(2), "BM");  // a real bitmap from a PNG
    EXPECT_EQ(QImage(LogoPath(env.ctx())).size(), QSize(20, 12));
    EXPECT_EQ(logoColour(), QColor(Qt::blue));
}

TEST_F(IdentityTest, TheNewIdentityIsShownAtOnceAndAfterARestart) {
    auto admit = [](MainWindow& w) {
        w.setCurrentOperator("admin");
        return true;
    };
    {
        MainWindow window(env.ctx());
        window.setLoginStep(admit);
        ASSERT_TRUE(window.finishCreation());
        EXPECT_EQ(window.statusParts()->partText(3), "Perpus Harapan");
        WhenModal<IdentityForm>([&](IdentityForm* form) {
            fill(form, "perpus baru", "Jl. Baru 1", "0800");
            Click(form, "save");
        });
        window.runCommand(cmd::LibraryIdentity);
        EXPECT_EQ(window.statusParts()->partText(3), "PERPUS BARU");
    }
    env.ctx().libraryName.clear();
    env.ctx().libraryAddress.clear();
    MainWindow restarted(env.ctx());
    restarted.setLoginStep(admit);
    ASSERT_TRUE(restarted.finishCreation());
    EXPECT_EQ(restarted.statusParts()->partText(3), "PERPUS BARU");
    EXPECT_EQ(env.ctx().libraryAddress, "Jl. Baru 1");
    EXPECT_EQ(env.ctx().libraryEmail, "perpus@harapan.sch.id");
}

TEST_F(IdentityTest, WhatCannotBeSavedIsToldAndTheFormStaysOpen) {
    const QByteArray perpus = ReadBytes(env.dir() + "/perpus.txt");
    const QString kLineBreak =
        "Gagal menyimpan, tanda pindah baris (Enter) tidak dapat dipakai dalam identitas perpustakaan..";
    WriteBytes(env.dir() + "/catatan.bmp", "bukan gambar");
    WriteBytes(env.dir() + "/biasa.txt", "bukan folder");
    struct Case {
        const char* what;
        QString address;
        QString picture;  // chosen with Ganti Logo
        QString workDir;
        QString told;  // start of the message
    } cases[] = {
        {"a ; in a field", "Jl. A; No. 1", "", env.dir(),
         "Gagal menyimpan, tanda ; tidak dapat dipakai dalam identitas perpustakaan.."},
        // A pasted line break would make the next start read "PALSU" as the name.
        {"a line feed", "Jl. A\nPALSU", "", env.dir(), kLineBreak},
        {"a next line", QString("Jl. A") + QChar(0x0085), picture("biru.png", Qt::blue, 4, 4), env.dir(),
         kLineBreak},
        {"logo not writable", "Jl. A", picture("biru.png", Qt::blue, 4, 4), env.dir() + "/biasa.txt",
         "Logo tidak dapat disimpan: folder "},
        {"perpus.txt not writable", "Jl. A", "", env.dir() + "/biasa.txt",
         "File perpus.txt tidak dapat disimpan: "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        env.ctx().workDir = c.workDir;
        env.messages.clear();
        IdentityForm form(env.ctx());
        form.show();
        fill(&form, "baru", "Jl. A", "1");
        Child<QLineEdit>(&form, "address")->setText(c.address);  // as pasted, line breaks and all
        if (!c.picture.isEmpty()) {
            env.files.paths = {c.picture};
            Click(&form, "chooseLogo");
        }
        Click(&form, "save");
        EXPECT_TRUE(form.isVisible());
        ASSERT_FALSE(env.messages.shown.empty());
        EXPECT_TRUE(env.messages.shown[0].text.startsWith(c.told))
            << env.messages.shown[0].text.toStdString();
        EXPECT_EQ(env.ctx().libraryName, "Perpus Harapan");
    }
    env.ctx().workDir = env.dir();
    EXPECT_EQ(ReadBytes(env.dir() + "/perpus.txt"), perpus);
    EXPECT_FALSE(QFile::exists(env.dir() + "/sekolah.txt"));
    EXPECT_EQ(logoColour(), QColor(Qt::red));

    // A file that is no picture is refused at once; Batal changes nothing either.
    IdentityForm form(env.ctx());
    form.show();
    env.messages.clear();
    env.files.paths = {env.dir() + "/catatan.bmp"};
    Click(&form, "chooseLogo");
    ASSERT_EQ(env.messages.shown.size(), 1u);
    EXPECT_TRUE(env.messages.shown[0].text.startsWith("File " + env.dir() +
                                                      "/catatan.bmp bukan gambar yang dapat dibaca"));
    EXPECT_EQ(Child<QLabel>(&form, "logo")->pixmap().size(), QSize(10, 10));
    fill(&form, "lain", "lain", "lain");
    Click(&form, "cancel");
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(env.ctx().libraryName, "Perpus Harapan");
    EXPECT_EQ(ReadBytes(env.dir() + "/perpus.txt"), perpus);
}
