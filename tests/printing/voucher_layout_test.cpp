#include "printing/voucher_layout.h"

#include <gtest/gtest.h>

#include "support/qstring_print.h"

namespace zelkor {
namespace {

VoucherData Sample() {
    return {"Perpus Harapan",
            "Jl. Merdeka No. 5",
            "0211234567",
            "2016030709050201",
            "_______________________",
            "Sumbangan buku",
            "Donasi",
            "Siti",
            1500000,
            "07 Maret 2016"};
}

TEST(Voucher, EveryLineInPlace) {
    const PrintLayout l = VoucherLayout(Sample());
    const QString rule(66, '-');
    const std::vector<PrintLine> expected = {
        {10, 150, QString(26, ' ') + "PERPUS HARAPAN"},
        {10, 250, QString(25, ' ') + "Jl. Merdeka No. 5"},
        {10, 350, QString(25, ' ') + "Telp. 0211234567"},
        {10, 450, rule},
        {10, 550, " No.              : 2016030709050201"},
        {10, 750, " Terima dari.     : _______________________"},
        {10, 950, " Untuk Pembayaran : Sumbangan buku"},
        {10, 1050, "                  : Donasi"},
        {10, 1150, rule},
        {10, 1250, " Terbilang        :  satu juta lima ratus  ribu  rupiah"},
        {10, 1350, rule},
        {10, 1450, "                  : Rp.    1500000"},
        {10, 1550, QString(30, ' ') + "_______________, 07 Maret 2016"},
        {10, 1650, QString(30, ' ') + "Penerima"},
        {10, 2050, QString(30, ' ') + "SITI"},
    };
    ASSERT_EQ(l.lines.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(l.lines[i], expected[i]) << i;
}

TEST(Voucher, NameIsCentredOn66Columns) {
    const struct { int length, spaces; } cases[] = {{10, 28}, {66, 0}, {70, 0}};  // 14 is above
    for (const auto& c : cases) {
        VoucherData v = Sample();
        v.libraryName = QString(c.length, 'a');
        EXPECT_EQ(VoucherLayout(v).textAt(150), QString(c.spaces, ' ') + QString(c.length, 'A')) << c.length;
    }
}

TEST(Voucher, AmountRightAlignedInTenColumns) {
    const struct {
        std::int64_t amount;
        const char* line;
    } cases[] = {
        {0, "                  : Rp.          0"},
        {12345678901LL, "                  : Rp. 12345678901"},  // longer numbers unpadded
    };
    for (const auto& c : cases) {
        VoucherData v = Sample();
        v.amount = c.amount;
        EXPECT_EQ(VoucherLayout(v).textAt(1450), QString(c.line)) << c.amount;
    }
}

// Indonesian on every machine, whatever its language.
TEST(Voucher, DateSpellsTheMonthInIndonesian) {
    EXPECT_EQ(VoucherDate(QDate(2016, 3, 7)), "07 Maret 2016");
    EXPECT_EQ(VoucherDate(QDate(2026, 12, 7)), "07 Desember 2026");
}

}  // namespace
}  // namespace zelkor
