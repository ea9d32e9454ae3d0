#include "printing/receipt_layout.h"

#include <gtest/gtest.h>

#include "qstring_print.h"

#include "printing/text_helpers.h"

namespace zelkor {
namespace {

// The payment receipt of a desk with these rows: (no, kode, nama, trans, biaya, tgl).
ReceiptRow Row(const QString& no, const QString& kode, const QString& nama, const QString& trans,
               const QString& biaya, const QString& tgl) {
    ReceiptRow r;
    r.no = no;
    r.kode = kode;
    r.namaItem = nama;
    r.trans = trans;
    r.biaya = biaya;
    r.tglKembali = tgl;
    return r;
}

ReceiptData Sample() {
    ReceiptData d;
    d.libraryName = "Perpus Harapan";  // 14 characters
    d.libraryAddress = "Jl. Merdeka No. 5";
    d.libraryPhone = "0211234567";
    d.libraryEmail = "perpus@harapan.sch.id";
    d.todayText = "2016-03-07";
    d.currentOperator = "admin";
    d.clockText = "09:05:02";
    d.printDate = "07-03-2016";
    d.memberName = "Budi Santoso";
    d.memberCategory = "Siswa";
    d.jumlah = "7500";
    d.potongan = "0";
    d.netto = "7500";
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

TEST(ReceiptText, HelpersKeepTheirColumns) {
    EXPECT_EQ(Centre("Perpus Nusantar"), QString(7, ' ') + "Perpus Nusantar");  // 15 characters
    EXPECT_EQ(Centre(""), QString(14, ' '));
    EXPECT_EQ(Centre("Perpustakaan SMA Harapan Bangsa"), "Perpustakaan SMA Harapan Ban");  // cut to 28
    EXPECT_EQ(Stars10("7500"), "******7500");
    EXPECT_EQ(Stars10("12345678901"), "2345678901");
    EXPECT_EQ(Stars10(""), "**********");
    EXPECT_EQ(StarsTo(9, "0"), "********0");
    EXPECT_EQ(StarsTo(10, "1234567890"), "1234567890");
    EXPECT_EQ(StarsTo(10, "12345678901"), "12345678901");  // never cut
    EXPECT_EQ(Two("1"), "01");
    EXPECT_EQ(Two("12"), "12");
    EXPECT_EQ(Two("123"), "23");
    EXPECT_EQ(Pad(-2), "");
    EXPECT_EQ(Dashes(3) + Equals(2), "---==");
}

TEST(LoanReceipt, TwoRowsOnLinesEightAndNineThenTheClosingLines) {
    ReceiptData d = Sample();
    d.rows = {Row("1", "B001", "Matematika", "PINJAM", "0", "2016-03-14"),
              Row("2", "B002", "Ensiklopedia Nusantara Jilid 1", "RENTAL", "5000", "2016-03-09")};
    const PrintLayout l = LoanReceiptLayout(d);
    EXPECT_EQ(l.face, "Courier New");
    EXPECT_EQ(l.points, 8);
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
        {1215, "Total  :       Rp.******7500"},
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

TEST(PaymentReceipt, TotalLineHasSixStarsBefore7500) {
    ReceiptData d = Sample();
    d.rows = {Row("1", "R001", "Gitar", "RENTAL", "7500", "2016-03-09")};
    const PrintLayout l = PaymentReceiptLayout(d);
    EXPECT_EQ(l.textAt(SmallLineY(10)), "Total  :" + QString(7, ' ') + "Rp." + QString(6, '*') + "7500");
}

TEST(PaymentReceipt, WordsLongerThan28CharactersContinueOnTheNextLine) {
    ReceiptData d = Sample();
    d.netto = "1250750";
    const PrintLayout l = PaymentReceiptLayout(d);  // no charged row: last = 7
    EXPECT_EQ(l.textAt(SmallLineY(8)), Dashes(28));
    EXPECT_EQ(l.textAt(SmallLineY(11)), " satu juta dua ratus lima pu");
    EXPECT_EQ(l.textAt(SmallLineY(12)), " luh  ribu tujuh ratus lima puluh ");
}

TEST(PaymentReceipt, NetAmountIsRoundedAndMayBeNegative) {
    ReceiptData d = Sample();
    d.netto = "-2500";  // a discount larger than the total
    EXPECT_EQ(PaymentReceiptLayout(d).textAt(SmallLineY(11)), " minus dua ribu lima ratus ");
    d.netto = "1500.0";  // as SQLite renders a computed value
    EXPECT_EQ(PaymentReceiptLayout(d).textAt(SmallLineY(11)), " seribu lima ratus ");
}

TEST(MediumReceipt, EveryLineInPlace) {
    ReceiptData d = Sample();
    d.rows = {Row("1", "B001", "Matematika", "PINJAM", "0", "2016-03-14"),
              Row("2", "R001", "Gitar", "RENTAL", "7500", "2016-03-09")};
    const PrintLayout l = MediumReceiptLayout(d);
    EXPECT_EQ(l.face, "Courier New");
    EXPECT_EQ(l.points, 12);
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
    const Lines got = YAndText(l);
    EXPECT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < got.size() && i < expected.size(); ++i) {
        EXPECT_EQ(got[i].first, expected[i].first) << i;
        EXPECT_EQ(got[i].second.toStdString(), expected[i].second.toStdString()) << i;
    }
    // Every amount ends in column 74, every amount label in column 64.
    for (int k : {10, 13, 14, 15, 16}) {
        EXPECT_EQ(l.textAt(MediumLineY(k)).size(), 74) << k;
        EXPECT_EQ(l.textAt(MediumLineY(k)).indexOf("Rp."), 61) << k;
    }
}

}  // namespace
}  // namespace zelkor
