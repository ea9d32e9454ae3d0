// Damaged and hostile files give a message for the operator or plain text,
// never a crash or a hang.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "support/files.h"
#include "workbook.h"
#include "workbooks.h"

using namespace xlstodb;
using namespace zelkor::test;

namespace {

const char* const kMembers = "Id;Nama_Member;Jenis_Kelamin;Tmp_Lahir;Tgl_Lahir;Alamat;Durasi";

std::string Read(const QString& path) {
    try {
        return ReadWorkbook(path.toStdString(), "Sheet1", kMembers);
    } catch (const ReadError& e) {
        return std::string("ERROR: ") + e.what();
    }
}

QString WriteBytes(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
}

const WorkbookSheet kSmall{"Sheet1", {{"Id", "Nama Member"}, {"M1", "Ani"}, {"M2", "Budi"}}, {}};

}  // namespace

TEST(HostileWorkbook, NotAWorkbookOrNotThere) {
    QTemporaryDir dir;
    const std::pair<QString, QByteArray> files[] = {
        {"empty.xls", {}},
        {"picture.xls", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)},
        {"page.xls", "<html><body><table><tr><td>Id</td></tr></table></body></html>"},
        {"document.xlsx", QByteArray("PK\x03\x04", 4) + QByteArray(200, '\0')},
    };
    for (const auto& [name, bytes] : files) {
        const std::string reply = Read(WriteBytes(dir, name, bytes));
        EXPECT_EQ(reply.rfind("ERROR: ", 0), 0u) << name.toStdString() << ": " << reply;
    }
    EXPECT_EQ(Read(dir.filePath("missing.xls")).rfind("ERROR: File tidak dapat dibuka", 0), 0u);
}

// Every format cut short anywhere: a message, or the records of what was read.
TEST(HostileWorkbook, TruncatedFilesOfEveryFormat) {
    QTemporaryDir dir;
    for (const QString& format : kWorkbookFormats) {
        const QByteArray whole = ReadBytes(WriteWorkbook(dir.path(), "whole", format, {kSmall}));
        for (const double part : {0.1, 0.5, 0.9, 0.99}) {
            const QByteArray cut = whole.left(static_cast<qsizetype>(whole.size() * part));
            const std::string reply = Read(WriteBytes(dir, "cut." + format, cut));
            EXPECT_TRUE(reply.rfind("ERROR: ", 0) == 0 || reply.back() == '|')
                << format.toStdString() << " " << part;
            // What the reader could not read, never a verdict on the file.
            EXPECT_EQ(reply.find("rusak"), std::string::npos) << reply;
        }
    }
}

// Cells of 100,000 characters (an .xlsx holds at most 32,767) and an error value.
TEST(HostileWorkbook, HugeCellsArriveCut) {
    QTemporaryDir dir;
    for (const QString& format : {QString("xlsx"), QString("ods"), QString("csv")}) {
        const QString huge(format == "xlsx" ? 32767 : 100000, QChar('x'));
        WorkbookSheet s{"Sheet1", {{"Id", "Nama Member", "Alamat"}, {"M1", huge, FormulaCell("1/0", 0)}}, {}};
        const std::string reply = Read(WriteWorkbook(dir.path(), "huge", format, {s}));
        EXPECT_EQ(reply, "M1;" + std::string(kMaxCellChars, 'x') + ";;;;0;;|") << format.toStdString();
    }
}

TEST(HostileWorkbook, SheetsTooLargeAreRefused) {
    QTemporaryDir dir;
    // An .xls whose last cell sits at the sheet's far corner: FreeXL would hold
    // 65536 x 256 cells in memory.
    WorkbookSheet corner{"Sheet1", {{"Id"}, {"M1"}}, {}};
    corner.rows.resize(65536);
    corner.rows[65535] = QJsonArray();
    for (int c = 0; c < 256; ++c) corner.rows[65535].append(c == 255 ? QJsonValue("x") : QJsonValue());
    const std::string xls = Read(WriteWorkbook(dir.path(), "corner", "xls", {corner}));
    EXPECT_EQ(xls.rfind("ERROR: Workbook terlalu besar", 0), 0u) << xls;

    // More data rows than any list: refused, not read for minutes.
    QByteArray csv = "Id;Nama Member\n";
    for (long r = 0; r <= kMaxDataRows; ++r)
        csv += "M" + QByteArray::number(static_cast<qlonglong>(r)) + ";A\n";
    const std::string rows = Read(WriteBytes(dir, "rows.csv", csv));
    EXPECT_EQ(rows.rfind("ERROR: Sheet berisi lebih dari 100000 baris", 0), 0u) << rows.substr(0, 100);

    // An .xlsx whose parts claim to unpack to gigabytes (a "zip bomb").
    QByteArray xlsx = ReadBytes(WriteWorkbook(dir.path(), "bomb", "xlsx", {kSmall}));
    const qsizetype directory = xlsx.indexOf(QByteArray("PK\x01\x02", 4));
    ASSERT_GT(directory, 0);
    xlsx[directory + 24] = xlsx[directory + 25] = xlsx[directory + 26] = '\xff';
    xlsx[directory + 27] = '\x7f';
    const std::string bomb = Read(WriteBytes(dir, "bomb.xlsx", xlsx));
    EXPECT_EQ(bomb.rfind("ERROR: Workbook terlalu besar", 0), 0u) << bomb;

    QFile big(dir.filePath("big.csv"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(static_cast<qint64>(kMaxFileBytes) + 1));
    big.close();
    EXPECT_EQ(Read(big.fileName()).rfind("ERROR: File terlalu besar", 0), 0u);
}
