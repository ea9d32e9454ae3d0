#include "printing/receipt_layout.h"

#include <gtest/gtest.h>

#include "support/qstring_print.h"

#include "printing/text_helpers.h"

namespace zelkor {
namespace {

// A cart row: (no, kode, nama, trans, biaya, tgl).
ReceiptRow Row(const QString& no, const QString& kode, const QString& nama, const QString& trans,
               const QString& biaya, const QString& tgl) {
    return {no, kode, nama, {}, biaya, trans, tgl};
}

ReceiptData Sample() {
    ReceiptData d{"Perpus Harapan",
                  "Jl. Merdeka No. 5",
                  "0211234567",
                  "perpus@harapan.sch.id",
                  "2016-03-07",
                  "admin",
                  "09:05:02",
                  "07-03-2016",
                  "Budi Santoso",
                  "Siswa",
                  {},
                  {},
                  {},
                  {},
                  {},
                  {}};
    d.jumlah = d.netto = "7500";
    d.potongan = "0";
    d.dibayar = "10000";
    d.sisa = "2500";
    return d;
}

using Lines = std::vector<std::pair<int, QString>>;

Lines YAndText(const PrintLayout& l) {
    Lines out;
    for (const PrintLine& line : l.lines) {
        EXPECT_EQ(line.x, 10) << line.text.toStdString();
        out.emplace_back(line.y, line.text);
    }
    return out;
}

// The edges the examples below do not reach.
TEST(ReceiptText, HelpersKeepTheirColumns) {
    EXPECT_EQ(Centre("Perpus Nusantar"), QString(7, ' ') + "Perpus Nusantar");             // 15 characters
    EXPECT_EQ(Centre("Perpustakaan SMA Harapan Bangsa"), "Perpustakaan SMA Harapan Ban");  // cut to 28
    EXPECT_EQ(Stars10("1234567890"), "1234567890");
    EXPECT_EQ(Stars10(""), "**********");
    EXPECT_EQ(Stars10("999999999999"), "999999999999");  // an amount is never cut
    EXPECT_EQ(StarsTo(10, "12345678901"), "12345678901");
    EXPECT_EQ(Two("123"), "23");
}

TEST(LoanReceipt, TwoRowsOnLinesEightAndNineThenTheClosingLines) {
    ReceiptData d = Sample();
    d.rows = {Row("1", "B001", "Matematika", "PINJAM", "0", "2016-03-14"),
              Row("2", "B002", "Ensiklopedia Nusantara Jilid 1", "RENTAL", "5000", "2016-03-09")};
    const PrintLayout l = LoanReceiptLayout(d);
    const Lines expected = {
        {15, "       Perpus Harapan"},
        {115, "      Jl. Merdeka No. 5"},
        {215, "      Telp. 0211234567"},
        {315, "----------------------------"},
        {415, "Nama       : Budi Santoso"},
        {515, "Kategori   : Siswa"},
        {615, "Tgl. Pinjam: 2016-03-07"},
        {715, "----------------------------"},
        {815, "01 Matematika  2016-03-14"},
        {915, "02 Ensiklopedia Nu 2016-03-09"},  // 15 characters, no padding left
        {1015, "----------------------------"},
        {1115, "[HARAP DISIMPAN DENGAN BAIK]"},
        {1215, "Crt: 07-03-2016 By : admin"},
    };
    EXPECT_EQ(YAndText(l), expected);
}

TEST(LoanReceipt, EmptyCartClosesOnLineEight) {
    const PrintLayout l = LoanReceiptLayout(Sample());
    ASSERT_EQ(l.lines.size(), 11u);
    EXPECT_EQ(l.textAt(SmallLineY(8)), Dashes(28));
    EXPECT_EQ(l.textAt(SmallLineY(10)), "Crt: 07-03-2016 By : admin");
}

TEST(PaymentReceipt, RowWithoutChargeLeavesItsLineEmpty) {
    ReceiptData d = Sample();
    d.rows = {Row("1", "R001", "Gitar", "RENTAL", "5000", "2016-03-09"),
              Row("2", "B001", "Matematika", "PINJAM", "0", "2016-03-14"),
              Row("3", "KUNJUNGAN-UMUM", "Kunjungan", "KUNJUNGAN", "2500", "2016-03-07")};
    d.netto = "1500";
    d.sisa = "8500";
    const PrintLayout l = PaymentReceiptLayout(d);
    const Lines expected = {
        {15, "       Perpus Harapan"},
        {115, "      Jl. Merdeka No. 5"},
        {215, "      Telp. 0211234567"},
        {315, "----------------------------"},
        {415, "Nama       : Budi Santoso"},
        {515, "Kategori   : Siswa"},
        {615, "Tgl. Trans : 2016-03-07"},
        {715, "----------------------------"},
        {815, "01 R001        ******5000"},
        {1015, "03 KUNJUNGAN-U ******2500"},  // codes cut to 11 characters
        {1115, "----------------------------"},
        {1215, "Total  :" + QString(7, ' ') + "Rp." + QString(6, '*') + "7500"},
        {1315, "============================"},
        {1415, " seribu lima ratus "},  // no continuation line at 1515
        {1615, "Pot    :       Rp.*********0"},
        {1715, "Jml-Bsh:       Rp.******1500"},
        {1815, "Dibayar:       Rp.*****10000"},
        {1915, "Kembali:       Rp.******8500"},
        {2015, "[HARAP DISIMPAN DENGAN BAIK]"},
        {2115, "Crt: 07-03-2016 By : admin"},
    };
    EXPECT_EQ(YAndText(l), expected);
    EXPECT_EQ(l.textAt(SmallLineY(9)), "");
}

// The words of the net amount (rounded, maybe negative) fill a line of 28
// characters; only a longer text continues on the next.
TEST(PaymentReceipt, WordsLongerThan28CharactersContinueOnTheNextLine) {
    const struct {
        QString netto, line, continued;
    } cases[] = {
        {"139", " seratus tiga puluh sembilan", ""},    // exactly 28 characters
        {"1999.5", " dua ribu ", ""},                   // rounded, halves to even
        {"149", " seratus empat puluh sembila", " n"},  // 29
        {"1250750", " satu juta dua ratus lima pu", " luh  ribu tujuh ratus lima puluh "},
        {"1000000000", " satu milyar ", ""},
        {"1000000000000", "", ""},                     // beyond 12 digits: no words
        {"-2500", " minus dua ribu lima ratus ", ""},  // a discount larger than the total
        {"1500.0", " seribu lima ratus ", ""},         // as SQLite renders a computed value
    };
    for (const auto& c : cases) {
        ReceiptData d = Sample();
        d.netto = c.netto;
        const PrintLayout l = PaymentReceiptLayout(d);  // no charged row: last = 7
        EXPECT_EQ(l.textAt(SmallLineY(8)), Dashes(28));
        EXPECT_EQ(l.textAt(SmallLineY(11)), c.line) << c.netto.toStdString();
        EXPECT_EQ(l.textAt(SmallLineY(12)), c.continued) << c.netto.toStdString();
        EXPECT_EQ(l.textAt(SmallLineY(14)), "Jml-Bsh:       Rp." + Stars10(c.netto));
    }
}

TEST(MediumReceipt, EveryLineInPlace) {
    ReceiptData d = Sample();
    d.rows = {Row("1", "B001", "Matematika", "PINJAM", "0", "2016-03-14"),
              Row("2", "R001", "Gitar", "RENTAL", "7500", "2016-03-09")};
    const PrintLayout l = MediumReceiptLayout(d);
    const QString rule = "   " + Dashes(71);
    const Lines expected = {
        {150, "   Perpus Harapan"},
        {300, "   Jl. Merdeka No. 5 Telp: 0211234567 Email: perpus@harapan.sch.id"},
        {450, rule},
        {600, "   Tgl. Trans : 2016-03-07"},
        {750, "   Nama Siswa : Budi Santoso; Kategori : Siswa"},
        {900, rule},
        {1050, "   1  PIN Matematika" + QString(26, ' ') + " JT: 2016-03-14 Rp." + QString(8, '*') + "0"},
        {1200, "   2  REN Gitar" + QString(31, ' ') + " JT: 2016-03-09 Rp.*****7500"},
        {1350, rule},
        {1500, "   " + QString(50, ' ') + "Total : Rp.******7500"},
        {1650, rule},
        {1800, "    tujuh ribu lima ratus "},
        {1950, "   " + QString(25, ' ') + "Penerima              Potongan : Rp.*********0"},
        {2100, "   " + QString(44, ' ') + "Jml. Bersih : Rp.******7500"},
        {2250, "   " + QString(48, ' ') + "Dibayar : Rp.*****10000"},
        {2400, "   " + QString(26, ' ') + "(__________)          Kembali : Rp.******2500"},
        {2550, "   Dicetak tanggal 07-03-2016 09:05:02 oleh operator : admin"},
    };
    EXPECT_EQ(YAndText(l), expected);
}

}  // namespace
}  // namespace zelkor
