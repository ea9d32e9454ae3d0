// Start-up: the database named by conn.txt is opened, or the run stops with the
// message and no window. What makes a file no library is the connection form's
// table of cases (both open through OpenLibrary).
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "app/startup.h"
#include "db/library_file.h"
#include "db/schema.h"
#include "support/files.h"
#include "support/test_doubles.h"

using namespace zelkor;

namespace {

struct StartUpEnv {
    QTemporaryDir dir;
    test::ScriptedMessages messages;
    test::FixedClock clock;
    test::ScriptedFileDialogs files;
    test::RecordingPrinters printers;

    void conn(const QByteArray& content) { test::WriteBytes(dir.filePath("conn.txt"), content); }
    std::unique_ptr<AppContext> start() {
        return StartUp(dir.path(), dir.path(), AppServices{messages, clock, files, printers});
    }
};

}  // namespace

TEST(StartUp, AnythingButAnExistingLibraryStopsWithTheReasonAndMakesNoFile) {
    struct Case {
        const char* what;
        QByteArray conn;   // empty: no conn.txt at all
        const char* file;  // written beside conn.txt when not null
        QByteArray content;
        const char* message;
    } cases[] = {
        {"no conn.txt", {}, nullptr, {}, "Tidak dapat membuka database: nama file database kosong"},
        {"an empty path", ";-;-\n", nullptr, {}, "Tidak dapat membuka database: nama file database kosong"},
        {"a trailing blank line",
         "perpus.db;-;-\n\n",
         nullptr,
         {},
         "Tidak dapat membuka database: nama file database kosong"},
        {"a path to no file",
         "baru.db;-;-",
         nullptr,
         {},
         "Tidak dapat membuka database: file %1/baru.db tidak ditemukan"},
        {"an empty file", "kosong.db;-;-", "kosong.db", QByteArray(),
         "Tidak dapat membuka database: bukan database perpustakaan (tabel ItemPerpus, Member, TransPerpus, "
         "ItemHilang, Kas, useradmin tidak ada)"},
    };
    for (const auto& c : cases) {
        StartUpEnv env;
        if (!c.conn.isEmpty()) env.conn(c.conn);
        if (c.file) test::WriteBytes(env.dir.filePath(c.file), c.content);
        const QStringList before = QDir(env.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        EXPECT_EQ(env.start(), nullptr) << c.what;
        EXPECT_EQ(env.messages.texts(), QStringList{QString::fromUtf8(c.message).arg(env.dir.path())})
            << c.what;
        EXPECT_EQ(QDir(env.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before) << c.what;
    }
}

namespace {
// A library as an older program left it: the six tables, none of the indexes.
void writeOldLibrary(const QString& path) {
    QString error;
    auto db = Database::open(path, &error);
    ASSERT_NE(db, nullptr) << error.toStdString();
    QStringList tablesOnly;
    for (const QString& line : SchemaSql().split('\n'))
        if (!line.contains(QLatin1String("INDEX"))) tablesOnly << line;
    ASSERT_TRUE(db->execScript(tablesOnly.join('\n')));
    ASSERT_EQ(db->scalar("select count(*) from sqlite_master where type='index' and sql is not null"), "0");
}
}  // namespace

// The last line of conn.txt wins; a relative path is kept as read, an absolute one
// used unchanged; an older library gains the newer indexes.
TEST(StartUp, ExistingLibraryOpensAndGainsTheNewerIndexes) {
    QTemporaryDir elsewhere;
    writeOldLibrary(elsewhere.filePath("perpus.db"));
    const QString absolute = elsewhere.filePath("perpus.db");
    const struct {
        QString conn, path, text2, text3;
    } cases[] = {{"old.db;a;b\nlama.db;-;-\n", "lama.db", "", ""},
                 {absolute + ";satu;dua", absolute, "satu", "dua"}};
    for (const auto& c : cases) {
        StartUpEnv env;
        writeOldLibrary(env.dir.filePath("lama.db"));
        env.conn(c.conn.toUtf8());
        auto ctx = env.start();
        ASSERT_NE(ctx, nullptr) << env.messages.shown.at(0).text.toStdString();
        EXPECT_EQ(ctx->databasePath, c.path);
        EXPECT_EQ(ctx->connText2 + "|" + ctx->connText3, c.text2 + "|" + c.text3);
        EXPECT_EQ(ctx->workDir, env.dir.path());
        EXPECT_EQ(ctx->db().scalar("select count(*) from sqlite_master where name='Kas_Tanggal'"), "1");
    }
}
