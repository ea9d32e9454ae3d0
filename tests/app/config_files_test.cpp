// conn.txt and perpus.txt: the field rule, "-" held as empty for the two carried
// connection texts only, the last line of a file wins.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/config_files.h"
#include "support/files.h"

using namespace zelkor;

using test::ReadBytes;
using test::WriteBytes;

TEST(ConnFile, LinesReadByTheFieldRule) {
    struct Case {
        const char *line, *path, *text2, *text3;
    } cases[] = {
        {"P;-;-", "P", "", ""},                                                        // "-" held as empty
        {"/data/perpus.db", "/data/perpus.db", "/data/perpus.db", "/data/perpus.db"},  // a path alone
        {"perpus.db;alpha;beta", "perpus.db", "alpha", "beta"},
        {"perpus.db;-;beta", "perpus.db", "", "beta"},
        {"perpus.db;;", "perpus.db", "", ""},
        {"perpus.db;--;- ", "perpus.db", "--", "- "},     // only a field that is exactly "-"
        {"perpus.db;-", "perpus.db", "", "perpus.db;-"},  // two fields: the third is the whole line
        {"", "", "", ""},                                 // no file, no line: SQLite's temporary database
        {"C:\\Data\\O'Neil perpus.db;-;-", "C:\\Data\\O'Neil perpus.db", "", ""},
    };
    for (const auto& c : cases) {
        const ConnSettings s = ParseConnLine(QString::fromUtf8(c.line));
        EXPECT_EQ(QStringList({s.databasePath, s.text2, s.text3}).join('|'),
                  QStringList({c.path, c.text2, c.text3}).join('|'))
            << c.line;
    }
}

TEST(IdentityFile, LinesReadByTheFieldRule) {
    struct Case {
        const char *line, *name, *address, *phone, *email, *field5;
    } cases[] = {
        {"Perpus;Jl. Mawar 1;0221;a@b.id;x", "Perpus", "Jl. Mawar 1", "0221", "a@b.id", "x"},
        {"X;Y;Z", "X", "Y", "Z", "X;Y;Z", "X;Y;Z"},        // three fields: e-mail is the whole line
        {"Perpus;-;-;-;-", "Perpus", "-", "-", "-", "-"},  // "-" is kept in the identity
        {"", "", "", "", "", ""},
        {"Taman Baca \"Pelangi\";Jl. O'Hara;;;", "Taman Baca \"Pelangi\"", "Jl. O'Hara", "", "", ""},
    };
    for (const auto& c : cases) {
        const Identity id = ParseIdentityLine(QString::fromUtf8(c.line));
        EXPECT_EQ(QStringList({id.name, id.address, id.phone, id.email, id.field5}).join('|'),
                  QStringList({c.name, c.address, c.phone, c.email, c.field5}).join('|'))
            << c.line;
    }
}

// A missing file reads as an empty line (ReadLastLine), which both rules parse.
TEST(ConfigFiles, LastLineOfTheFileWins) {
    QTemporaryDir dir;
    const QString conn = dir.filePath("conn.txt"), perpus = dir.filePath("perpus.txt");
    WriteBytes(conn, "first.db;a;b\nsecond.db;c;d\r\nthird.db;-;-\n");
    const ConnSettings s = ReadConnFile(conn);
    EXPECT_EQ(s.databasePath + "|" + s.text2 + "|" + s.text3, "third.db||");

    WriteBytes(perpus, "Lama;A;B;C;D\nPerpus Baru;Jl. Baru;0222;baru@perpus.id;lima");
    const Identity id = ReadIdentityFile(perpus);
    EXPECT_EQ(id.name, "Perpus Baru");
    EXPECT_EQ(id.field5, "lima");
}

// The last guard of every one-line file: a record with a line break of any kind is
// refused whole, and the file keeps what it had.
TEST(ConfigFiles, ALineWithALineBreakIsNeverWritten) {
    QTemporaryDir dir;
    const QString path = dir.filePath("perpus.txt");
    WriteBytes(path, "Perpus;Jl. Mawar 1;0221;a@b.id;x\n");
    for (const QChar c :
         {QChar('\n'), QChar('\r'), QChar('\v'), QChar('\f'), QChar(0x0085), QChar(0x2028), QChar(0x2029)}) {
        QString error;
        EXPECT_FALSE(WriteLineFile(path, QString("Perpus;Jl. A") + c + "PALSU;-;-;-", &error))
            << int(c.unicode());
        EXPECT_EQ(error, "teks memuat tanda pindah baris");
        EXPECT_EQ(ReadBytes(path), "Perpus;Jl. Mawar 1;0221;a@b.id;x\n");
    }
    EXPECT_TRUE(WriteLineFile(path, "Perpus;Jl. A\t5;-;-;-", nullptr));  // a tab is no line break
    EXPECT_EQ(ReadBytes(path), "Perpus;Jl. A\t5;-;-;-\n");
}
