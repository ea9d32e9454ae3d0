#include "printing/amount_in_words.h"

#include <gtest/gtest.h>

namespace zelkor {
namespace {

struct WordsCase {
    std::int64_t n;
    const char* words;
};

// The spaces are part of the text: every word has one in front, a zero part
// leaves a single one.
const WordsCase kWords[] = {
    {0, " "},
    {1, " satu"},
    {10, " sepuluh"},
    {11, " sebelas"},
    {12, " dua belas"},
    {19, " sembilan belas"},
    {20, " dua puluh "},
    {21, " dua puluh satu"},
    {99, " sembilan puluh sembilan"},
    {100, " seratus "},
    {111, " seratus sebelas"},
    {200, " dua ratus "},
    {1000, " seribu "},
    {1500, " seribu lima ratus "},
    {1999, " seribu sembilan ratus sembilan puluh sembilan"},
    {2000, " dua ribu "},
    {11000, " sebelas ribu "},
    {20000, " dua puluh  ribu "},
    {21000, " dua puluh satu ribu "},
    {100000, " seratus  ribu "},
    {1000000, " satu juta "},
    {1001000, " satu juta seribu "},
    {1250750, " satu juta dua ratus lima puluh  ribu tujuh ratus lima puluh "},
    {999999999,
     " sembilan ratus sembilan puluh sembilan juta sembilan ratus sembilan puluh sembilan ribu sembilan "
     "ratus "
     "sembilan puluh sembilan"},
    // A 12-digit voucher amount reads whole, never an empty "Terbilang".
    {1000000000, " satu milyar "},
    {1500000000, " satu milyar lima ratus  juta "},
    {2147483647,
     " dua milyar seratus empat puluh tujuh juta empat ratus delapan puluh tiga ribu enam ratus "
     "empat puluh tujuh"},
    {999999999999LL,
     " sembilan ratus sembilan puluh sembilan milyar sembilan ratus sembilan puluh sembilan "
     "juta sembilan ratus sembilan puluh sembilan ribu sembilan ratus sembilan puluh sembilan"},
    {1000000000000LL, ""},
    // A discount larger than the total gives a negative net amount on the receipt.
    {-1, " minus satu"},
    {-1500, " minus seribu lima ratus "},
    {-1000000000, " minus satu milyar "},
    {-1000000000000LL, ""},
    {INT64_MIN, ""},
};

TEST(AmountInWords, WritesTheTableWithItsSpaces) {
    for (const WordsCase& c : kWords) EXPECT_EQ(AmountInWords(c.n).toStdString(), c.words) << "n = " << c.n;
}

}  // namespace
}  // namespace zelkor
