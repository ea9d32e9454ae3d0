// zelkor-newdb, and what both tools promise about the file they are given.
#include <gtest/gtest.h>
#include <signal.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "accounts/password_hash.h"
#include "support/files.h"
#include "tool_run.h"
#include "tool_support.h"

using namespace zelkor;
using namespace zelkor::test;

TEST(NewDb, MakesAnEmptyLibraryWithAHashedAdministrator) {
    QTemporaryDir dir;
    const QString path = dir.filePath("perpus.db");
    const ProgramRun run = RunTool("zelkor-newdb", {path, "--password", "Rahasia'1"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(FilesIn(dir.path()), QStringList({"perpus.db"}));  // no temporary file left

    auto db = OpenDb(path);
    EXPECT_EQ(Schema(*db), FreshSchema());  // tables, indexes and keys as schema.sql makes them
    EXPECT_EQ(Rows(*db,
                   "select (select count(*) from ItemHilang) + (select count(*) from ItemPerpus) + "
                   "(select count(*) from Kas) + (select count(*) from Member) + "
                   "(select count(*) from TransPerpus)"),
              QStringList({"0"}));

    const QStringList users = Rows(*db, "select User, Password from useradmin");
    ASSERT_EQ(users.size(), 1);
    const QString stored = users[0].section('|', 1);
    EXPECT_EQ(users[0].section('|', 0, 0), "admin");
    EXPECT_TRUE(IsPasswordHash(stored));
    EXPECT_TRUE(VerifyPassword(stored, "Rahasia'1"));
    EXPECT_FALSE(VerifyPassword(stored, "rahasia'1"));
    EXPECT_FALSE(ReadBytes(path).contains("Rahasia'1"));
}

TEST(NewDb, AsksForThePasswordTwice) {
    struct Case {
        const char* input;
        int exitCode;
    };
    const Case cases[] = {
        {"kunci rahasia\nkunci rahasia\n", 0},
        {"kunci rahasia\r\nkunci rahasia\r\n", 0},  // typed on a Windows console
        {"kunci rahasia\nkunci rahasiA\n", 1},      // the two differ
        {"\n\n", 1},                                // empty
        {"kunci rahasia\n", 1},                     // asked twice, answered once
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        QTemporaryDir dir;
        const QString path = dir.filePath("perpus.db");
        const ProgramRun run = RunTool("zelkor-newdb", {path}, c.input);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
        if (c.exitCode != 0) {
            EXPECT_EQ(FilesIn(dir.path()), QStringList());
            EXPECT_TRUE(run.err.contains("nothing was created")) << run.err.toStdString();
            continue;
        }
        auto db = OpenDb(path);
        const QStringList stored = Rows(*db, "select Password from useradmin where User='admin'");
        ASSERT_EQ(stored.size(), 1);
        EXPECT_TRUE(VerifyPassword(stored[0], "kunci rahasia"));
    }
}

// Neither tool ever changes a file that is there: a library already in use, any
// other file, a folder.
TEST(NewDb, BothToolsRefuseAnExistingPathAndLeaveItAsItWas) {
    QTemporaryDir dir;
    const QString library = dir.filePath("perpus.db");
    ASSERT_EQ(RunTool("zelkor-newdb", {library, "--password", "lama"}).exitCode, 0);
    const QString text = dir.filePath("catatan.txt");
    WriteBytes(text, "jangan diubah\n");
    const QString folder = dir.filePath("arsip");
    ASSERT_TRUE(QDir(dir.path()).mkdir("arsip"));
    const QStringList before = FilesIn(dir.path());

    for (const QString& tool : {QString("zelkor-newdb"), QString("zelkor-demo")}) {
        for (const QString& target : {library, text, folder}) {
            SCOPED_TRACE((tool + " " + target).toStdString());
            const QByteArray bytes = ReadBytes(target);
            const QStringList args =
                tool == "zelkor-demo" ? QStringList{target} : QStringList{target, "--password", "baru"};
            const ProgramRun run = RunTool(tool, args);
            EXPECT_EQ(run.exitCode, 2);
            EXPECT_TRUE(run.err.contains("exists already")) << run.err.toStdString();
            EXPECT_EQ(ReadBytes(target), bytes);
            EXPECT_EQ(FilesIn(dir.path()), before);
        }
    }
    auto db = OpenDb(library);
    const QStringList stored = Rows(*db, "select Password from useradmin");
    ASSERT_EQ(stored.size(), 1);
    EXPECT_TRUE(VerifyPassword(stored[0], "lama"));
}

TEST(NewDb, BadArgumentsCreateNothing) {
    struct Case {
        const char* tool;
        QStringList args;  // "@" stands for the target path
    };
    const Case cases[] = {
        {"zelkor-newdb", {}},
        {"zelkor-newdb", {"@", "--password", "x", "--bogus"}},
        {"zelkor-newdb", {"@", "--password", ""}},
        {"zelkor-newdb", {"@/belum/ada.db", "--password", "x"}},  // a folder that is not there
        {"zelkor-demo", {"@", "--scale", "0"}},
        {"zelkor-demo", {"@", "--scale", "2x"}},
        {"zelkor-demo", {"@", "--today", "2016-02-30"}},
        {"zelkor-demo", {"@", "other.db"}},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        QStringList args = c.args;
        args.replaceInStrings("@", dir.filePath("perpus.db"));
        SCOPED_TRACE((c.tool + (" " + args.join(' '))).toStdString());
        const ProgramRun run = RunTool(c.tool, args);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_FALSE(run.err.isEmpty());
        EXPECT_EQ(FilesIn(dir.path()), QStringList());
    }
}

// A file that appears at the target while the new one is being made is kept, and
// the half-made file goes.
TEST(NewFile, NeverReplacesAFileThatAppearedMeanwhile) {
    QTemporaryDir dir;
    const std::string target = dir.filePath("perpus.db").toStdString();
    {
        tools::NewFile file(target);
        std::string error;
        ASSERT_TRUE(file.create(&error)) << error;
        WriteBytes(QString::fromStdString(target), "milik orang lain");
        bool existed = false;
        EXPECT_FALSE(file.commit(&error, &existed));
        EXPECT_TRUE(existed);
    }
    EXPECT_EQ(FilesIn(dir.path()), QStringList({"perpus.db"}));
    EXPECT_EQ(ReadBytes(QString::fromStdString(target)), "milik orang lain");
}

// Ctrl-C in the middle of a large sample leaves no half-made library.
TEST(Demo, InterruptedRunLeavesNothingBehind) {
    QTemporaryDir dir;
    QProcess p;
    p.start(ToolPath("zelkor-demo"), {dir.filePath("besar.db"), "--scale", "100"});
    ASSERT_TRUE(p.waitForStarted());
    // Wait until its temporary file is there, then a moment more: it is filling it.
    for (int i = 0; i < 200 && FilesIn(dir.path()).isEmpty(); ++i)
        if (p.waitForFinished(50)) break;
    ASSERT_FALSE(FilesIn(dir.path()).isEmpty());
    p.waitForFinished(1000);
    ASSERT_EQ(p.state(), QProcess::Running) << "finished before it could be interrupted";
    ::kill(static_cast<pid_t>(p.processId()), SIGINT);
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(FilesIn(dir.path()), QStringList());
}
