#include <gtest/gtest.h>

#include "reports/export_packages.h"
#include "ui/grid_data.h"

using namespace zelkor;

namespace {

// U+201A and U+037E, the look-alikes of "," and ";" in the browser package.
const std::string kComma = "\xE2\x80\x9A";
const std::string kSemicolon = "\xCD\xBE";

void fillJournal(GridData& g) {
    g.addColumn("No.", 40, Align::Right);
    g.addColumn("Tanggal", 80, Align::Center);
    g.addColumn("Keterangan", 200);
    g.addColumn("Masuk", 80, Align::Right);
    g.addColumn("Keluar", 80, Align::Right);
    g.appendRow({"1.", "2016-03-01", "Denda keterlambatan", "1.500", "0"});
    g.appendRow({"2.", "2016-03-02", "Sewa buku", "2.000", "0"});
}

}  // namespace

TEST(SpreadsheetPackage, JournalThousandsPointsArriveAsPlainDigits) {
    GridData g;
    fillJournal(g);
    const SpreadsheetPackage p = BuildSpreadsheetPackage(g);
    EXPECT_EQ(p.rowCount, 2);
    EXPECT_EQ(p.columnCount, 5);
    // Headers keep their full stop; cells lose theirs ("1." is the row number 1).
    EXPECT_EQ(p.data,
              "No.,Tanggal,Keterangan,Masuk,Keluar;"
              "1,2016-03-01,Denda keterlambatan,1500,0;2,2016-03-02,Sewa buku,2000,0");
}

TEST(BrowserPackage, SeparatorsInsideTextsTravelAsLookAlikes) {
    GridData g;
    g.addColumn("Nama, Lengkap", 100);
    g.addColumn("Catatan;", 100);
    g.appendRow({"Budi, S.Pd.", "a;b,c"});
    g.appendRow({";", ","});
    const BrowserPackage p =
        BuildBrowserPackage("LAPORAN; KAS", "Perpus; Harapan", "Jl. Mawar 1, Bandung", g);
    // Only ";" separates the information text; its commas stay as they are.
    EXPECT_EQ(p.information,
              "LAPORAN" + kSemicolon + " KAS;Perpus" + kSemicolon + " Harapan;Jl. Mawar 1, Bandung;ll");
    EXPECT_EQ(p.headers, "Nama" + kComma + " Lengkap;Catatan" + kSemicolon);
    EXPECT_EQ(p.rows,
              "Budi" + kComma + " S.Pd.,a" + kSemicolon + "b" + kComma + "c;" + kSemicolon + "," + kComma);
}

TEST(SpreadsheetPackage, SeparatorsInsideTextsBecomeHyphens) {
    GridData g;
    g.addColumn("Nama, Lengkap", 100);
    g.addColumn("Ket;", 100);
    g.appendRow({"a;b", "x,y"});
    EXPECT_EQ(BuildSpreadsheetPackage(g).data, "Nama- Lengkap,Ket-;a-b,x-y");
}

TEST(SpreadsheetCell, CleaningNeverChangesANumbersValue) {
    struct Case {
        const char* cell;
        const char* expected;
    } cases[] = {
        {"1.500", "1500"},  // thousands point
        {"1.250.000", "1250000"},
        {"-1.500", "-1500"},
        {"100.000.000", "100000000"},
        {"1500.0", "1500"},  // SQLite's rendering of a whole real
        {"-1500.0", "-1500"},
        {"1500.00", "1500"},
        {"0.0", "0"},
        {"1500.5", "1500.5"},  // a real decimal keeps its point
        {"12.30", "12.30"},
        {"1234.567", "1234.567"},  // four digits before the point: not thousands
        {"0.500", "0.500"},        // a leading zero is never a thousands group
        {"1.23", "1.23"},
        {"1.2345", "1.2345"},
        {"2.125", "2125"},  // read as thousands, as the grids show money
        {"1500", "1500"},
        {"007", "007"},
        {"1.", "1"},                   // the row number column
        {"07.03.2016", "07.03.2016"},  // dotted codes and dates keep their points
        {"07.00.00", "07.00.00"},      // even when every group after the first is zeros
        {"1.000.0", "1.000.0"},
        {"1.0e+15", "1.0e+15"},
        {"Rp 1.500", "Rp 1500"},     // a thousands point inside a text goes too
        {"Versi 2.0", "Versi 2.0"},  // but a decimal inside a text stays as written
        {"Jl. Mawar, 12", "Jl Mawar- 12"},
        {"No.5", "No5"},
        {"S.Pd.", "SPd"},
        {"...", ""},
        {"a;b,c", "a-b-c"},
        {"1.500,50", "1500-50"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CleanSpreadsheetCell(QString::fromUtf8(c.cell)), QString::fromUtf8(c.expected)) << c.cell;
}

TEST(ExportPackages, CellsAndHeadersAreReadUpTo259Characters) {
    GridData g;
    g.addColumn(QString(300, 'H'), 100);
    g.addColumn("Emoji", 100);
    // 258 letters then an emoji (a surrogate pair) would be cut in half at 259.
    const QString emojiAtEdge = QString(258, 'x') + QString::fromUtf8("\xF0\x9F\x93\x9A");
    g.appendRow({QString(300, 'a'), emojiAtEdge});
    g.appendRow(
        {QString(259, 'b'), QString::fromUtf8("Zo\xC3\xAB \xE5\x9B\xB3\xE6\x9B\xB8\xF0\x9F\x93\x9A")});

    const BrowserPackage b = BuildBrowserPackage("T", "N", "A", g);
    EXPECT_EQ(b.headers, std::string(259, 'H') + ";Emoji");
    EXPECT_EQ(b.rows, std::string(259, 'a') + "," + std::string(258, 'x') + ";" + std::string(259, 'b') +
                          ",Zo\xC3\xAB \xE5\x9B\xB3\xE6\x9B\xB8\xF0\x9F\x93\x9A");
    const SpreadsheetPackage s = BuildSpreadsheetPackage(g);
    EXPECT_EQ(s.data, std::string(259, 'H') + ",Emoji;" + std::string(259, 'a') + "," +
                          std::string(258, 'x') + ";" + std::string(259, 'b') +
                          ",Zo\xC3\xAB \xE5\x9B\xB3\xE6\x9B\xB8\xF0\x9F\x93\x9A");
}

TEST(ExportPackages, ShortRowsNulsAndLoneSurrogates) {
    GridData g;
    g.addColumn("A", 10);
    g.addColumn("B", 10);
    g.addColumn("C", 10);
    g.appendRow({"only"});  // a row shorter than the columns reads empty cells
    QString withNul = QStringLiteral("x");
    withNul.append(QChar(0)).append(QStringLiteral("y"));
    g.appendRow({withNul, QString(QChar(0xD800)), ""});
    // A NUL would end the zero-terminated text and lose every row after it.
    EXPECT_EQ(BuildBrowserPackage("T", "N", "A", g).rows, "only,,;xy,\xEF\xBF\xBD,");
    EXPECT_EQ(BuildSpreadsheetPackage(g).data, "A,B,C;only,,;xy,\xEF\xBF\xBD,");
}
