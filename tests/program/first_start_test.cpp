// "Selamat Datang": a new, an existing or the sample library, named in the
// user's conn.txt; every refusal shown in the window, with nothing made.
#include <gtest/gtest.h>
#include <unistd.h>
#include <QDir>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>

#include "accounts/login.h"
#include "app/startup.h"
#include "program/first_start.h"
#include "program/first_start_dialog.h"
#include "support/files.h"
#include "support/form_driver.h"
#include "support/modal.h"

using namespace zelkor;
using namespace zelkor::test;

namespace {

QStringList entries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
}

struct FirstStart {
    QTemporaryDir config, data, program;
    ScriptedMessages messages;
    FixedClock clock;
    ScriptedFileDialogs files;
    RecordingPrinters printers;
    Places places{config.path(), data.path(), true};
    FirstStartDialog dialog{places, {}, files, QDate(2016, 3, 7)};

    FirstStart() { ShowActive(dialog); }
    void fillNew(const QString& name, const QString& password, const QString& repeat, const QString& path) {
        TypeInto(&dialog, "libraryName", name);
        TypeInto(&dialog, "libraryAddress", "Jl. Merdeka 17");
        TypeInto(&dialog, "libraryPhone", "022-7301234");
        TypeInto(&dialog, "libraryEmail", "perpus@sma.sch.id");
        TypeInto(&dialog, "password", password);
        TypeInto(&dialog, "repeatPassword", repeat);
        TypeInto(&dialog, "newPath", path);
    }
    bool next() {
        Click(&dialog, "next");
        return dialog.result() == QDialog::Accepted;
    }
    // On the button's circle: a wide radio button takes clicks only on its circle and text.
    void choose(const char* choice) {
        QRadioButton* b = Child<QRadioButton>(&dialog, choice);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    }
    QString refusal() { return Child<QLabel>(&dialog, "refusal")->text(); }
    std::unique_ptr<AppContext> start(QString* problem) {
        return StartUp(places, program.path(), AppServices{messages, clock, files, printers}, problem);
    }
};

}  // namespace

TEST(FirstStart, BadNewLibraryIsRefusedWithTheReasonAndNothingMade) {
    struct Case {
        const char* what;
        QString name, password, repeat, path;
        const char* refusal;  // %1: the data folder
        bool asRootToo = true;
    } cases[] = {
        {"no name", "", "rahasia123", "rahasia123", "a.db3", "Gagal: Nama Perpustakaan belum terisi"},
        {"a ; in the name", "SMA;1", "rahasia123", "rahasia123", "a.db3",
         "Gagal: tanda ; dan pindah baris tidak dapat dipakai dalam identitas perpustakaan"},
        {"7 characters", "SMA 1", "rahasia", "rahasia", "a.db3", "Gagal: password minimal 8 karakter"},
        {"two that differ", "SMA 1", "rahasia123", "rahasia124", "a.db3", "Gagal: kedua password tidak sama"},
        {"a missing folder", "SMA 1", "rahasia123", "rahasia123", "tidak/ada/a.db3",
         "Gagal: folder %1/tidak/ada tidak ada"},
        {"a file there already", "SMA 1", "rahasia123", "rahasia123", "ada.db3",
         "Gagal: file %1/ada.db3 sudah ada"},
        {"a folder that cannot be written", "SMA 1", "rahasia123", "rahasia123", "tertutup/a.db3",
         "Gagal: folder %1/tertutup tidak dapat ditulis", false},
    };
    for (const Case& c : cases) {
        if (!c.asRootToo && geteuid() == 0) continue;  // root writes anywhere
        FirstStart f;
        WriteBytes(f.data.filePath("ada.db3"), "bukan database");
        QDir(f.data.path()).mkdir("tertutup");
        QFile::setPermissions(f.data.filePath("tertutup"), QFile::ReadOwner | QFile::ExeOwner);
        const QStringList before = entries(f.data.path());
        f.fillNew(c.name, c.password, c.repeat, c.path);
        EXPECT_FALSE(f.next()) << c.what;
        EXPECT_EQ(f.refusal(), QString::fromUtf8(c.refusal).arg(f.data.path())) << c.what;
        EXPECT_EQ(entries(f.data.path()), before) << c.what;
        EXPECT_TRUE(entries(f.data.filePath("tertutup")).isEmpty()) << c.what;
        EXPECT_TRUE(entries(f.config.path()).isEmpty()) << c.what;
        QFile::setPermissions(f.data.filePath("tertutup"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

TEST(FirstStart, NewLibraryIsMadeNamedAndOpensForItsAdministrator) {
    FirstStart f;
    f.fillNew("sma harapan", "rahasia123", "rahasia123", QDir(f.data.path()).filePath("perpustakaan.db3"));
    ASSERT_TRUE(f.next()) << f.refusal().toStdString();
    const QString path = f.data.filePath("perpustakaan.db3");
    EXPECT_EQ(ReadBytes(f.config.filePath("conn.txt")), (path + ";;\n").toUtf8());
    EXPECT_EQ(ReadBytes(f.config.filePath("perpus.txt")),
              "SMA HARAPAN;Jl. Merdeka 17;022-7301234;perpus@sma.sch.id;-\n");
    QString problem;
    auto ctx = f.start(&problem);
    ASSERT_NE(ctx, nullptr) << problem.toStdString();
    EXPECT_TRUE(CheckLogin(*ctx, "admin", "rahasia123"));
    EXPECT_TRUE(entries(f.program.path()).isEmpty()) << "nothing in the program's folder";
}

TEST(FirstStart, ExistingFileIsCheckedAsTheConnectionFormChecksIt) {
    FirstStart f;
    f.choose("openChoice");
    WriteBytes(f.data.filePath("catatan.db3"), QByteArray(4096, 'x'));
    TypeInto(&f.dialog, "openPath", "catatan.db3");
    EXPECT_FALSE(f.next());
    EXPECT_EQ(f.refusal(), "Gagal: file is not a database");
    EXPECT_TRUE(entries(f.config.path()).isEmpty());

    // The sample, clearly named a sample, opens for admin; made elsewhere it is a
    // library: taken, and named as typed from the data folder.
    {
        FirstStart other;
        other.choose("sampleChoice");
        ASSERT_TRUE(other.next()) << other.refusal().toStdString();
        ASSERT_TRUE(QFile::copy(other.data.filePath(kSampleLibraryFileName), f.data.filePath("lama.db3")));
        EXPECT_TRUE(ReadBytes(other.config.filePath("perpus.txt")).startsWith("PERPUSTAKAAN CONTOH;"));
        QString problem;
        auto ctx = other.start(&problem);
        ASSERT_NE(ctx, nullptr) << problem.toStdString();
        EXPECT_EQ(ctx->databasePath, other.data.filePath(kSampleLibraryFileName));
        EXPECT_TRUE(CheckLogin(*ctx, "admin", "admin"));
    }
    TypeInto(&f.dialog, "openPath", "lama.db3");
    ASSERT_TRUE(f.next()) << f.refusal().toStdString();
    EXPECT_EQ(ReadBytes(f.config.filePath("conn.txt")), (f.data.filePath("lama.db3") + ";;\n").toUtf8());
    EXPECT_FALSE(QFile::exists(f.config.filePath("perpus.txt")));
}

TEST(FirstStart, LibraryThatHasGoneOpensTheWindowWithTheReason) {
    FirstStart f;
    f.dialog.hide();
    WriteBytes(f.config.filePath("conn.txt"), "/media/usb/perpus.db3;-;-\n");
    QString intro;
    WhenModal<FirstStartDialog>([&](FirstStartDialog* d) {
        intro = d->findChild<QLabel*>("intro")->text();
        d->reject();
    });
    EXPECT_EQ(
        StartUpForUser(f.places, f.program.path(), AppServices{f.messages, f.clock, f.files, f.printers}),
        nullptr);
    EXPECT_TRUE(intro.contains(
        "Database perpustakaan tidak dapat dibuka: file /media/usb/perpus.db3 tidak ditemukan"))
        << intro.toStdString();
    EXPECT_TRUE(f.messages.shown.empty());
}
