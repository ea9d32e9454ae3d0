// Start-up: the database named by conn.txt is opened, or the run stops with the
// message and no window.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "app/startup.h"
#include "support/test_doubles.h"

using namespace zelkor;

namespace {

struct StartUpEnv {
    QTemporaryDir dir;
    test::ScriptedMessages messages;
    test::FixedClock clock;
    test::ScriptedFileDialogs files;
    test::RecordingPrinters printers;

    void conn(const QByteArray& content) {
        QFile f(dir.filePath("conn.txt"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
    }
    std::unique_ptr<AppContext> start() {
        return StartUp(dir.path(), dir.path(), AppServices{messages, clock, files, printers});
    }
};

}  // namespace

TEST(StartUp, UnopenableDatabaseStopsWithSqlitesMessage) {
    struct Case {
        const char* what;
        QByteArray conn;
        QByteArray fileContent;  // written at "notadb.db" when not empty
        const char* message;
    } cases[] = {
        {"path into a missing folder",
         "missing/folder/perpus.db;-;-",
         {},
         "Tidak dapat membuka database: unable to open database file"},
        {"a file that is no database", "notadb.db;-;-", QByteArray(4096, 'x'),
         "Tidak dapat membuka database: file is not a database"},
        {"a folder instead of a file",
         ".;-;-",
         {},
         "Tidak dapat membuka database: unable to open database file"},
    };
    for (const auto& c : cases) {
        StartUpEnv env;
        env.conn(c.conn);
        if (!c.fileContent.isEmpty()) {
            QFile f(env.dir.filePath("notadb.db"));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(c.fileContent);
        }
        EXPECT_EQ(env.start(), nullptr) << c.what;
        ASSERT_EQ(env.messages.shown.size(), 1u) << c.what;
        EXPECT_EQ(env.messages.shown[0].text, QString::fromUtf8(c.message)) << c.what;
        EXPECT_EQ(env.messages.shown[0].caption, "Info");
        EXPECT_EQ(env.messages.shown[0].buttons, MsgButtons::Ok);
    }
}

TEST(StartUp, PathNamingNoFileCreatesAnEmptyDatabase) {
    StartUpEnv env;
    env.conn("old.db;a;b\nbaru.db;-;-\n");  // the last line wins
    auto ctx = env.start();
    ASSERT_NE(ctx, nullptr);
    EXPECT_TRUE(env.messages.shown.empty());
    EXPECT_TRUE(QFileInfo::exists(env.dir.filePath("baru.db")));
    EXPECT_FALSE(QFileInfo::exists(env.dir.filePath("old.db")));
    EXPECT_EQ(ctx->databasePath, "baru.db");  // kept as read
    EXPECT_EQ(ctx->connText2, "");
    EXPECT_EQ(ctx->connText3, "");
    EXPECT_EQ(ctx->workDir, env.dir.path());
    EXPECT_TRUE(ctx->run("create table t(x)"));
}

TEST(StartUp, AbsolutePathIsUsedUnchanged) {
    StartUpEnv env;
    QTemporaryDir elsewhere;
    env.conn((elsewhere.filePath("perpus.db") + ";satu;dua").toUtf8());
    auto ctx = env.start();
    ASSERT_NE(ctx, nullptr);
    EXPECT_EQ(ctx->databasePath, elsewhere.filePath("perpus.db"));
    EXPECT_EQ(ctx->connText2, "satu");
    EXPECT_EQ(ctx->connText3, "dua");
    EXPECT_TRUE(QFileInfo::exists(elsewhere.filePath("perpus.db")));
}

TEST(StartUp, MissingConnFileGoesOnWithATemporaryDatabase) {
    StartUpEnv env;
    auto ctx = env.start();
    ASSERT_NE(ctx, nullptr);
    EXPECT_TRUE(ctx->databasePath.isEmpty());
    EXPECT_TRUE(env.messages.shown.empty());
    // Every later statement fails with its own SQL error.
    EXPECT_FALSE(ctx->run("select count(*) from useradmin"));
    ASSERT_EQ(env.messages.shown.size(), 1u);
    EXPECT_EQ(env.messages.shown[0].text, "SQL error: no such table: useradmin");
}
