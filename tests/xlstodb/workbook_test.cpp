// Real workbooks of every format a person saves a list in, read into records.
#include <gtest/gtest.h>
#include <xlsxwriter.h>

#include <QFile>
#include <QTemporaryDir>

#include "support/files.h"
#include "workbook.h"
#include "workbooks.h"

using namespace xlstodb;
using namespace zelkor::test;

namespace {

const char* const kMembers = "Id;Nama_Member;Jenis_Kelamin;Tmp_Lahir;Tgl_Lahir;Alamat;Durasi";
const char* const kItems = "Id;Nama_Item;Pengarang;Hak_Cipta;Penerbit;ISBN;Nilai_Denda;Stock;Hrg_Rental;Rak";

// What the reader said: the record text, or "ERROR: " and the message.
std::string Read(const QString& path, const char* header, const char* sheet = "Sheet1") {
    try {
        return ReadWorkbook(path.toStdString(), sheet, header);
    } catch (const ReadError& e) {
        return std::string("ERROR: ") + e.what();
    }
}

class WorkbookTest : public ::testing::TestWithParam<QString> {
  protected:
    QString write(const QList<WorkbookSheet>& sheets, const QString& stem = "list") {
        return WriteWorkbook(dir.path(), stem, GetParam(), sheets);
    }
    QTemporaryDir dir;
};

}  // namespace

// A member list as a school keeps it: the columns in its own order and spelling, a
// column the import does not know, one it lacks, a blank row, birth dates typed in
// several ways and as date cells.
TEST_P(WorkbookTest, MembersInTheSheetsOwnOrderAndSpelling) {
    WorkbookSheet s{"Sheet1", {}, {}};
    s.rows = {
        {"Durasi", "ID", "Nama Member", "tgl lahir", "ALAMAT", "Jenis_Kelamin", "Catatan"},
        {7, "M001", "Nur'aini; Putri", DateCell("2009-03-07"), "Jl. Mawar | No. 5", "Perempuan", "x"},
        {10, "M002", "Budi", "07/03/2016", QJsonValue(), "Laki-laki"},
        {},
        {3, "M003", "Siti", "7-3-2016", "Gg. Kenari", "P"},
        {5, "M004", "Andi", "2016-03-07", QJsonValue(), "L"},
        {5, "M005", "Rina", "7 Maret 2016"},
        {5, "M006", "Dewi", "tidak tahu"},
        {5, "M007", "Eko", "31/02/2016"},
    };
    const QString path = write({s});
    ASSERT_FALSE(path.isEmpty());
    EXPECT_EQ(Read(path, kMembers),
              "M001;Nur'aini, Putri;Perempuan;;2009-03-07;Jl. Mawar / No. 5;7;|"
              "M002;Budi;Laki-laki;;2016-03-07;;10;|"
              "M003;Siti;P;;2016-03-07;Gg. Kenari;3;|"
              "M004;Andi;L;;2016-03-07;;5;|"
              "M005;Rina;;;2016-03-07;;5;|"
              "M006;Dewi;;;tidak tahu;;5;|"  // no date: as typed, for the import to tell
              "M007;Eko;;;31/02/2016;;5;|");
}

// A date typed into Excel gets the built-in short date (number format 14, no code
// of its own in the workbook): it is a birth date, not the serial 42436.
TEST(XlsxWorkbook, DateInExcelsBuiltInShortDateFormat) {
    QTemporaryDir dir;
    const QByteArray path = dir.filePath("short.xlsx").toUtf8();
    lxw_workbook* book = workbook_new(path.constData());
    lxw_format* shortDate = workbook_add_format(book);
    format_set_num_format_index(shortDate, 14);
    lxw_worksheet* sheet = workbook_add_worksheet(book, "Sheet1");
    worksheet_write_string(sheet, 0, 0, "Id", nullptr);
    worksheet_write_string(sheet, 0, 1, "Tgl Lahir", nullptr);
    worksheet_write_string(sheet, 1, 0, "M1", nullptr);
    worksheet_write_number(sheet, 1, 1, 42436, shortDate);  // 2016-03-07
    ASSERT_EQ(workbook_close(book), LXW_NO_ERROR);
    EXPECT_EQ(Read(QString::fromUtf8(path), kMembers), "M1;;;;2016-03-07;;;|");
}

// Numbers read as they were typed: 1500.0 is 1500, an ISBN keeps every digit, a
// numeric code stays a code.
TEST_P(WorkbookTest, ItemsWithNumbersAsTyped) {
    WorkbookSheet s{"Sheet1", {}, {}};
    s.rows = {
        {"Id", "Nama Item", "Pengarang", "Hak Cipta", "Penerbit", "ISBN", "Nilai Denda", "Stock",
         "Hrg Rental", "Rak"},
        {"B001", "Laskar Pelangi", "Andrea Hirata", 2005, "Bentang", 9786020332956.0, 1500.0, 3, 0, "A-1"},
        {"B002", "Sang Pemimpi", "Andrea Hirata", "2006", "Bentang", "978-979-3062-92-8", 500, 2, 2500,
         "A-2"},
        {1001, "Kamus", QJsonValue(), QJsonValue(), QJsonValue(), QJsonValue(), 12.5, 1, QJsonValue(), "007"},
    };
    const QString path = write({s});
    EXPECT_EQ(Read(path, kItems),
              "B001;Laskar Pelangi;Andrea Hirata;2005;Bentang;9786020332956;1500;3;0;A-1;|"
              "B002;Sang Pemimpi;Andrea Hirata;2006;Bentang;978-979-3062-92-8;500;2;2500;A-2;|"
              "1001;Kamus;;;;;12.5;1;;007;|");
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, WorkbookTest, ::testing::ValuesIn(kWorkbookFormats),
                         [](const auto& info) { return info.param.toStdString(); });

// Formats with sheets: Sheet1 wherever it stands, else the first sheet.
class SheetChoiceTest : public WorkbookTest {};

TEST_P(SheetChoiceTest, Sheet1WhereverItIsElseTheFirst) {
    const WorkbookSheet help{"Petunjuk", {{"Id", "Nama Member"}, {"wrong", "sheet"}}, {}};
    const WorkbookSheet data{"sheet1", {{"Id", "Nama Member"}, {"M1", "Ani"}}, {}};
    EXPECT_EQ(Read(write({help, data}, "two"), kMembers), "M1;Ani;;;;;;|");
    const WorkbookSheet other{"Anggota", {{"Id", "Nama Member"}, {"M2", "Budi"}}, {}};
    EXPECT_EQ(Read(write({other, help}, "none"), kMembers), "M2;Budi;;;;;;|");
}

// Formulas give their result (.xls: FreeXL keeps no results, so they read empty);
// merged cells give their value once; a TRUE reads as Excel shows it, as the 1 an
// .xls stores, and not at all from an .ods (liborcus skips boolean cells there).
TEST_P(SheetChoiceTest, FormulasMergedCellsAndBooleans) {
    WorkbookSheet s{"Sheet1", {}, {}};
    s.rows = {
        {"Id", "Nama Item", "Stock", "Rak", "Pengarang"},
        {"B1", "Buku", FormulaCell("2+3", 5), "Rak A", {}},
        {"B2", "Buku", 1, {}, QJsonObject{{"bool", true}}},
    };
    s.merges = {{1, 3, 2, 3}};
    const std::string stock = GetParam() == "xls" ? "" : "5";
    const std::string yes = GetParam() == "xls" ? "1" : GetParam() == "ods" ? "" : "TRUE";
    EXPECT_EQ(Read(write({s}), kItems), "B1;Buku;;;;;;" + stock + ";;Rak A;|B2;Buku;" + yes + ";;;;;1;;;|");
}

INSTANTIATE_TEST_SUITE_P(SheetFormats, SheetChoiceTest, ::testing::Values("xls", "xlsx", "ods"),
                         [](const auto& info) { return info.param.toStdString(); });

// A CSV from a Windows Excel: ";" between cells, Windows-1252, "1500.0" written out.
TEST(CsvWorkbook, SeparatorAndEncodingOfTheFileAreFollowed) {
    QTemporaryDir dir;
    const QString semicolons = dir.filePath("a.csv");
    WriteBytes(
        semicolons,
        "\xEF\xBB\xBFId;Nama Item;Nilai Denda;Penerbit\r\nB1;\"Caf\xE9 \"\"Kopi\"\"\";1500.0;\"A; B\"\r\n");
    EXPECT_EQ(Read(semicolons, kItems), "B1;Caf\xC3\xA9 \"Kopi\";;;A, B;;1500;;;;|");

    const QString commas = dir.filePath("b.txt");
    WriteBytes(commas, "Id,Nama Item,Pengarang\nB2,\"Kopi, Susu\",\"Ali \"\"Ab\"\"\"\nB3\n");
    EXPECT_EQ(Read(commas, kItems), "B2;Kopi, Susu;Ali \"Ab\";;;;;;;;|B3;;;;;;;;;;|");
}

// An .xls keeps its texts in UTF-16 whatever code page it names, yet FreeXL stops
// at a code page its iconv lacks (here 720, Arabic DOS), and then reports success
// with no workbook. The operator is told so, not "FreeXL -2".
TEST(XlsWorkbook, CodePageFreeXLLacksIsNamedNotCalledDamage) {
    QTemporaryDir dir;
    QByteArray xls = ReadBytes(WriteWorkbook(dir.path(), "cp", "xls", {{"ورقة", {{"Id"}, {"M1"}}, {}}}));
    const QByteArray codePage("\x42\x00\x02\x00\xb0\x04", 6);  // CODEPAGE 1200
    ASSERT_EQ(xls.count(codePage), 1);
    WriteBytes(dir.filePath("720.xls"), xls.replace(codePage, QByteArray("\x42\x00\x02\x00\xd0\x02", 6)));
    const std::string reply = Read(dir.filePath("720.xls"), kMembers);
    EXPECT_EQ(reply.rfind("ERROR: File .xls tidak dapat dibaca: FreeXL berhenti", 0), 0u) << reply;
}

// Workbooks as other programs save them: openpyxl (and pandas through it) keeps
// every text inline in the sheet, XlsxWriter keeps the results of array and
// dynamic array formulas there, xlwt names sheets in any script.
TEST(OtherWritersWorkbook, RecordsAsTheWriterSavedThem) {
    const QJsonArray header{"Id", "Nama Member", "Alamat", "Durasi"};
    const QList<QJsonArray> rows{header, {"M1", "Ani", "Jl. Mawar", 3}, {"M2", "Budi", QJsonValue(), 4}};
    const QJsonObject street{{"formula", "\"Jl. \"&\"Mawar\""}, {"value", "Jl. Mawar"}, {"dynamic", "C2"}};
    const QJsonObject lengths{{"formula", "LEN(B2:B3)"}, {"value", 3}, {"array", "D2:D3"}};
    const QList<QJsonArray> formulas{header, {"M1", "Ani", street, lengths}, {"M2", "Budi", QJsonValue(), 4}};
    const QList<QJsonArray> wrong{header, {"X1", "wrong sheet"}};
    const struct {
        const char* writer;
        QList<WorkbookSheet> sheets;
    } cases[] = {
        {"openpyxl.xlsx", {{"Sheet1", rows, {}}}},
        {"xlsxwriter.xlsx", {{"Sheet1", rows, {}}}},
        {"xlsxwriter.xlsx", {{"Sheet1", formulas, {}}}},
        {"xls", {{"Лист1", rows, {}}, {"ورقة", wrong, {}}}},
        {"xls", {{"工作表", rows, {}}}},
        {"xls", {{"Справка", wrong, {}}, {"Sheet1", rows, {}}}},
    };
    QTemporaryDir dir;
    int n = 0;
    for (const auto& c : cases) {
        const QString path = WriteWorkbook(dir.path(), QString::number(++n), c.writer, c.sheets);
        EXPECT_EQ(Read(path, kMembers), "M1;Ani;;;;Jl. Mawar;3;|M2;Budi;;;;;4;|") << n << " " << c.writer;
    }
}
