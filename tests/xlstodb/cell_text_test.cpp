// Values as a person typed them, and the record text made of a sheet's cells.
#include <gtest/gtest.h>

#include "cell_text.h"
#include "sheet_records.h"

using namespace xlstodb;

namespace {

const char* const kMembers = "Id;Nama_Member;Jenis_Kelamin;Tmp_Lahir;Tgl_Lahir;Alamat;Durasi";

std::string dateOf(const char* text) {
    const auto d = ParseDateText(text);
    return d ? DateText(*d) : "-";
}

}  // namespace

TEST(CellText, DatesInEveryAcceptedFormAndNothingElse) {
    const std::pair<const char*, const char*> cases[] = {
        {"2016-03-07", "2016-03-07"},
        {"2016/3/7", "2016-03-07"},
        {"2016.03.07", "2016-03-07"},
        {"07/03/2016", "2016-03-07"},  // day first, as written in Indonesia
        {"7-3-2016", "2016-03-07"},
        {"07.03.2016", "2016-03-07"},
        {"7 Maret 2016", "2016-03-07"},
        {"07-Mar-2016", "2016-03-07"},
        {"7 march 2016", "2016-03-07"},
        {"17 Agustus 1945", "1945-08-17"},
        {"17 Agt 1945", "1945-08-17"},
        {"1 Nopember 2001", "2001-11-01"},
        {"1 Nov 2001", "2001-11-01"},
        {"20160307", "2016-03-07"},
        {"2016-03-07 10:30:00", "2016-03-07"},
        {"2016-03-07T10:30:00", "2016-03-07"},
        {" 29/02/2016 ", "2016-02-29"},
        // Unreadable: not in the calendar, ambiguous or not a date at all.
        {"29/02/2015", "-"},
        {"31-04-2016", "-"},
        {"2016-13-01", "-"},
        {"07/03/16", "-"},
        {"7 Mar", "-"},
        {"Senin, 7 Maret 2016", "-"},
        {"7 Marmalade 2016", "-"},
        {"2016", "-"},
        {"tidak tahu", "-"},
        {"", "-"},
        {"10:30", "-"},
        {"2016-03-07 extra", "-"},
        {"０７/03/2016", "-"},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(dateOf(text), expected) << text;
}

TEST(CellText, NumbersAsTyped) {
    const std::pair<double, const char*> cases[] = {
        {1500.0, "1500"},
        {9786020332956.0, "9786020332956"},  // an ISBN, never 9.78602E+12
        {12345678901234567.0, "12345678901234568"},
        {-250, "-250"},
        {-0.0, "0"},
        {12.5, "12.5"},
        {0.1 + 0.2, "0.3"},
        {1500.0000000000002, "1500"},
        {0.000001, "0.000001"},
        {1e25, "1e+25"},
    };
    for (const auto& [value, expected] : cases) EXPECT_EQ(NumberText(value), expected) << value;
    EXPECT_EQ(NumberText(std::numeric_limits<double>::quiet_NaN()), "");
    EXPECT_EQ(NumberText(std::numeric_limits<double>::infinity()), "");

    EXPECT_EQ(DropZeroFraction("1500.0"), "1500");
    EXPECT_EQ(DropZeroFraction("-1500.00"), "-1500");
    for (const char* kept : {"1500.5", "1.500", "0.0.0", ".0", "1500.", "A1.0", "-.0", "1500"})
        EXPECT_EQ(DropZeroFraction(kept), kept) << kept;
}

TEST(CellText, SeparatorsControlsAndLengthAreMadeSafe) {
    const std::pair<std::string, std::string> cases[] = {
        {"Nur'aini", "Nur'aini"},
        {"Jl. Mawar; No. 5", "Jl. Mawar, No. 5"},
        {"A|B", "A/B"},
        {"  Budi  ", "Budi"},
        {"Jl. Mawar\r\nNo. 5", "Jl. Mawar No. 5"},
        {"a\tb\x01"
         "c",
         "a b c"},
        {"\xEF\xBB\xBFId", "Id"},                            // byte-order mark
        {"Caf\xE9", "Caf\xC3\xA9"},                          // Windows-1252 é
        {"\x93kutip\x94", "\xE2\x80\x9Ckutip\xE2\x80\x9D"},  // Windows-1252 quotes
        {"Zo\xC3\xAB", "Zo\xC3\xAB"},                        // already UTF-8
        {std::string("a\0b", 3), "a b"},
        {"\xED\xA0\x80", "\xC3\xAD \xE2\x82\xAC"},  // a surrogate is no UTF-8: read as bytes
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(CleanCell(text), expected) << text;

    const std::string huge(100000, 'x');
    EXPECT_EQ(CleanCell(huge).size(), kMaxCellChars);
    std::string wide;
    for (int i = 0; i < 2000; ++i) wide += "\xC3\xA9";
    const std::string cut = CleanCell(wide);
    EXPECT_EQ(cut.size(), kMaxCellChars * 2);  // whole characters only
}

TEST(CellText, SerialDatesOfBothOrigins) {
    EXPECT_EQ(DateText(*SerialDate(42436)), "2016-03-07");
    EXPECT_EQ(DateText(*SerialDate(42436.4375)), "2016-03-07 10:30:00");
    EXPECT_EQ(DateText(*SerialDate(40974, 1904, 1, 1)), "2016-03-07");
    EXPECT_FALSE(SerialDate(-1));
    EXPECT_FALSE(SerialDate(1e12));
}

TEST(SheetRecords, HeaderNamesInAnyOrderSpellingAndCase) {
    SheetRecords s(kMembers);
    const char* header[] = {"durasi",         "ID",     "Nama Member", "TGL_LAHIR", "alamat",
                            "Jenis  Kelamin", "Catatan"};
    for (long c = 0; c < 7; ++c) s.text(0, c, header[c]);
    s.number(1, 0, 7);
    s.text(1, 1, "M001");
    s.text(1, 2, "Nur'aini");
    s.text(1, 3, "07/03/2009");
    s.text(1, 5, "Perempuan");
    s.text(1, 6, "not asked for");
    EXPECT_EQ(s.recordText("Sheet1"), "M001;Nur'aini;Perempuan;;2009-03-07;;7;|");
}

TEST(SheetRecords, TitleAndBlankRowsArePassedOver) {
    SheetRecords s("Id;Nama_Item");
    s.text(0, 0, "DAFTAR BUKU PERPUSTAKAAN");
    s.text(2, 0, "Id");
    s.text(2, 1, "Nama Item");
    s.text(3, 0, "B1");
    s.text(5, 1, "Tanpa kode");
    s.text(6, 0, " ");  // spaces only: no value
    EXPECT_EQ(s.recordText("Sheet1"), "B1;;|;Tanpa kode;|");
}

TEST(SheetRecords, DateFieldsTakeDateCellsAndNumbers) {
    SheetRecords s("Id;Tgl_Lahir;Alamat");
    s.text(0, 0, "Id");
    s.text(0, 1, "Tgl Lahir");
    s.text(0, 2, "Alamat");
    Date d{2016, 3, 7, 10, 30, 0};
    s.text(1, 0, "A");
    s.date(1, 1, d);
    s.date(1, 2, d);  // a date elsewhere keeps its time
    s.text(2, 0, "B");
    s.number(2, 1, 20160307);
    s.text(3, 0, "C");
    s.number(3, 1, 42436);  // a serial without a date format is no date: as typed
    s.boolean(3, 2, true);
    EXPECT_EQ(s.recordText("x"), "A;2016-03-07;2016-03-07 10:30:00;|B;2016-03-07;;|C;42436;TRUE;|");
}

TEST(SheetRecords, RefusesWhatHoldsNoRecords) {
    const auto message = [](SheetRecords& s) {
        try {
            s.recordText("Sheet1");
        } catch (const ReadError& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    SheetRecords empty(kMembers);
    EXPECT_EQ(message(empty).rfind("Sheet \"Sheet1\" tidak memuat baris nama kolom", 0), 0u)
        << message(empty);

    SheetRecords noNames(kMembers);
    noNames.text(0, 0, "Nomor");
    noNames.text(1, 0, "1");
    EXPECT_NE(message(noNames).find("Id, Nama_Member, Jenis_Kelamin"), std::string::npos);

    SheetRecords headerOnly(kMembers);
    headerOnly.text(0, 0, "Id");
    EXPECT_EQ(message(headerOnly), "Sheet \"Sheet1\" tidak berisi data di bawah baris nama kolom..");

    for (SheetRecords* s : {&empty, &noNames, &headerOnly}) EXPECT_NE(message(*s).back(), '|');
}

TEST(SheetRecords, TooManyRowsStopReading) {
    SheetRecords s("Id");
    s.text(0, 0, "Id");
    for (long r = 1; r <= kMaxDataRows; ++r) s.number(r, 0, static_cast<double>(r));
    EXPECT_THROW(s.number(kMaxDataRows + 1, 0, 1), ReadError);
    // Cells of columns no field names take no room.
    SheetRecords t("Id");
    t.text(0, 0, "Id");
    for (long r = 1; r <= kMaxDataRows + 10; ++r) t.number(r, 3, 1);
    EXPECT_THROW(t.recordText("x"), ReadError);  // no record at all
}

TEST(SheetRecords, CellsOutOfOrderOrOutsideTheSheetAreIgnored) {
    SheetRecords s("Id;Nama");
    s.text(5, 0, "Id");
    s.text(5, 1, "Nama");
    s.text(7, 0, "A");
    s.text(2, 0, "above the header");
    s.text(-1, 0, "x");
    s.text(6, -3, "x");
    s.text(6, 1, "B");
    EXPECT_EQ(s.recordText("x"), ";B;|A;;|");  // in the order of the rows
}
