// Where a run keeps its files: a working folder with conn.txt keeps everything,
// as it always did; anywhere else the user's configuration and data folders do.
#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>

#include "app/places.h"
#include "app/startup.h"
#include "db/database.h"
#include "db/schema.h"
#include "support/files.h"
#include "support/test_doubles.h"

using namespace zelkor;

namespace {

// The XDG folders of a user of our own, for the life of the test.
struct UserHome {
    QTemporaryDir home, work, program;
    QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME"), oldData = qgetenv("XDG_DATA_HOME");
    test::ScriptedMessages messages;
    test::FixedClock clock;
    test::ScriptedFileDialogs files;
    test::RecordingPrinters printers;

    UserHome() {
        qputenv("XDG_CONFIG_HOME", home.filePath("config").toUtf8());
        qputenv("XDG_DATA_HOME", home.filePath("data").toUtf8());
    }
    ~UserHome() {
        qputenv("XDG_CONFIG_HOME", oldConfig);
        qputenv("XDG_DATA_HOME", oldData);
    }
    std::unique_ptr<AppContext> start(const Places& places, QString* problem) {
        return StartUp(places, program.path(), AppServices{messages, clock, files, printers}, problem);
    }
};

void makeLibrary(const QString& path) {
    QString error;
    auto db = Database::open(path, &error);
    ASSERT_NE(db, nullptr) << error.toStdString();
    ASSERT_TRUE(ApplySchema(*db));
}

QStringList entries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
}

}  // namespace

TEST(Places, ConnFileInTheWorkingFolderWinsOverTheUserFolders) {
    UserHome user;
    test::WriteBytes(user.work.filePath("conn.txt"), "perpus.db;-;-\n");
    const Places p = ChoosePlaces(user.work.path());
    EXPECT_FALSE(p.perUser);
    EXPECT_EQ(p.configDir, user.work.path());
    EXPECT_EQ(p.dataDir, user.work.path());
    EXPECT_FALSE(QDir(user.home.filePath("config")).exists()) << "nothing is made in the user's folders";
}

TEST(Places, WithoutConnFileTheUserFoldersAreMadeAndRead) {
    UserHome user;
    const Places p = ChoosePlaces(user.work.path());
    ASSERT_TRUE(p.perUser);
    EXPECT_TRUE(p.configDir.startsWith(user.home.filePath("config/"))) << p.configDir.toStdString();
    EXPECT_TRUE(p.dataDir.startsWith(user.home.filePath("data/"))) << p.dataDir.toStdString();
    EXPECT_TRUE(QDir(p.configDir).exists());
    EXPECT_TRUE(QDir(p.dataDir).exists());

    // Nothing configured yet: a first start, said without a message box.
    QString problem = "x";
    EXPECT_EQ(user.start(p, &problem), nullptr);
    EXPECT_EQ(problem, "");
    // A configured library that has gone: the reason, still no message box.
    test::WriteBytes(QDir(p.configDir).filePath("conn.txt"), "/media/usb/perpus.db3;-;-\n");
    EXPECT_EQ(user.start(p, &problem), nullptr);
    EXPECT_EQ(problem, "file /media/usb/perpus.db3 tidak ditemukan");
    EXPECT_TRUE(user.messages.shown.empty());

    // A relative path is taken from the data folder, the identity from the configuration folder.
    makeLibrary(QDir(p.dataDir).filePath("perpus.db3"));
    test::WriteBytes(QDir(p.configDir).filePath("conn.txt"), "perpus.db3;-;-\n");
    auto ctx = user.start(p, &problem);
    ASSERT_NE(ctx, nullptr) << problem.toStdString();
    EXPECT_EQ(ctx->workDir, p.dataDir);
    EXPECT_EQ(ctx->configFolder(), p.configDir);
    EXPECT_TRUE(entries(user.work.path()).isEmpty()) << "nothing in the working folder";
    EXPECT_TRUE(entries(user.program.path()).isEmpty()) << "nothing in the program's folder";
}
