// The import's records without the dialog: the reply split into rows, and what a
// row becomes in the database.
#include <gtest/gtest.h>

#include "collection/import_records.h"

using namespace zelkor;

TEST(ImportRecords, ReplySplitIntoRowsOrAMessage) {
    const ImportReply two = SplitRecordText("x1;x2;|y1;;|", 2);
    EXPECT_EQ(two.records, (QList<QStringList>{{"x1", "x2"}, {"y1", ""}}));
    EXPECT_TRUE(two.message.isEmpty());

    // Kept as typed: an apostrophe is a value like any other.
    EXPECT_EQ(SplitRecordText("Nur'aini;|", 1).records, (QList<QStringList>{{"Nur'aini"}}));
    // A record of another module with fewer or more fields fits the columns.
    EXPECT_EQ(SplitRecordText("a;|b;c;d;|", 2).records, (QList<QStringList>{{"a", ""}, {"b", "c"}}));

    EXPECT_TRUE(SplitRecordText("", 2).records.isEmpty());
    EXPECT_TRUE(SplitRecordText("", 2).message.isEmpty());
    const ImportReply message = SplitRecordText("File tidak dapat dibuka: a.xls..", 2);
    EXPECT_TRUE(message.records.isEmpty());
    EXPECT_EQ(message.message, "File tidak dapat dibuka: a.xls..");
}

TEST(ImportRecords, WholeNumbersAsTheRecordFormsKeepThem) {
    const std::pair<const char*, const char*> cases[] = {
        {"1500", "1500"},     {"1.500", "1500"},     {"1,500", "1500"},  {"1 500 000", "1500000"},
        {"Rp 2.500", "2500"}, {"Rp. 2.500", "2500"}, {"rp2500", "2500"}, {"1500.0", "1500"},
        {"1500,00", "1500"},  {" 7 ", "7"},          {"007", "007"},     {"", ""},
        {"  ", ""},
    };
    for (const auto& [text, digits] : cases)
        EXPECT_EQ(WholeNumberText(text), std::optional<QString>(digits)) << text;
    for (const char* refused :
         {"12.5", "1.50", "-500", "7 hari", "abc", "Rp", "1.5000", "1234567890123", "1..500"})
        EXPECT_EQ(WholeNumberText(refused), std::nullopt) << refused;
}

// As the member form writes them, so that imported and typed members look alike.
TEST(ImportRecords, GenderInTheMemberFormsWords) {
    const std::pair<const char*, const char*> cases[] = {
        {"L", "Laki-laki"},      {"l", "Laki-laki"},   {"laki-laki", "Laki-laki"},
        {"Pria", "Laki-laki"},   {" P ", "Perempuan"}, {"p", "Perempuan"},
        {"Wanita", "Perempuan"}, {"Xyz", "Xyz"},       {"", ""},
    };
    for (const auto& [text, words] : cases) EXPECT_EQ(GenderWords(text), words) << text;
}

TEST(ImportRecords, ItemValuesTakeTheRentalFlagFromThePrice) {
    const auto item = [](const QString& id, const QString& name, const QString& price,
                         const QString& denda = "500") {
        return QStringList{id, name, "Andrea", "2005", "Bentang", "978", denda, "3", price, "A-1", ""};
    };
    EXPECT_EQ(ImportValues(ImportKind::Items, item("B1", "Buku", "0"), "x"),
              (QStringList{"B1", "Buku", "Andrea", "2005", "Bentang", "978", "500", "3", "0", "0", "A-1"}));
    EXPECT_EQ(ImportValues(ImportKind::Items, item("B1", "Buku", "2500"), {})->at(8), "1");
    EXPECT_EQ(ImportValues(ImportKind::Items, item("B1", "Buku", ""), {})->at(8), "0");
    const QStringList rupiah = *ImportValues(ImportKind::Items, item("B1", "Buku", "Rp 2.500", "1.500"), {});
    EXPECT_EQ(rupiah.mid(6, 4), (QStringList{"1500", "3", "1", "2500"}));

    const std::pair<QStringList, QString> refused[] = {
        {item("", "Buku", "0"), "Gagal: kode kosong"},
        {item("B1", " ", "0"), "Gagal: nama kosong"},
        {item("KUNJUNG", "Buku", "0"), "Gagal: kode KUNJUNG khusus tarif kunjungan"},
        {item("kunjung", "Buku", "12.5"), "Gagal: kode KUNJUNG khusus tarif kunjungan"},
        {item("B1", "Buku", "12.5"), "Gagal: Hrg_Rental bukan angka bulat"},
        {item("B1", "Buku", "0", "seribu"), "Gagal: Nilai_Denda bukan angka bulat"},
    };
    for (const auto& [row, reason] : refused) {
        QString why;
        EXPECT_EQ(ImportValues(ImportKind::Items, row, {}, &why), std::nullopt)
            << row.join(";").toStdString();
        EXPECT_EQ(why, reason);
    }
}

TEST(ImportRecords, MemberValues) {
    const QStringList row{"M1", "Nur'aini", "perempuan", "Bandung", "2009-03-07", "Jl. Mawar", "14", ""};
    EXPECT_EQ(ImportValues(ImportKind::Members, row, "Kelas 7"),
              (QStringList{"M1", "Nur'aini", "Perempuan", "Bandung", "2009-03-07", "Jl. Mawar", "Kelas 7",
                           "14", "1"}));
    EXPECT_FALSE(UnreadableBirthDate(row));
    QStringList odd = row;
    odd[import_member::TglLahir] = "07/03/2009";  // day first, as written here
    EXPECT_EQ(ImportValues(ImportKind::Members, odd, {})->at(4), "2009-03-07");
    odd[import_member::TglLahir] = "31/02/2009";  // no such day: stored empty, and said so
    EXPECT_TRUE(UnreadableBirthDate(odd));
    odd[import_member::Durasi] = "";
    EXPECT_EQ(ImportValues(ImportKind::Members, odd, {})->mid(4),
              (QStringList{"", "Jl. Mawar", "", "", "1"}));
    odd[import_member::Durasi] = "7 hari";
    QString why;
    EXPECT_EQ(ImportValues(ImportKind::Members, odd, {}, &why), std::nullopt);
    EXPECT_EQ(why, "Gagal: Durasi bukan angka bulat");
}

TEST(ImportRecords, GridRowsShowNumbersAsTheyWillBeStored) {
    EXPECT_EQ(ImportGridRow(ImportKind::Items, {"B1", "Buku", "", "", "", "", "1.500", "2", "Rp 2.500", "A"}),
              (QStringList{"B1", "Buku", "", "", "", "", "1500", "2", "2500", "A", ""}));
    EXPECT_EQ(ImportGridRow(ImportKind::Members, {"M1", "Ani", "P", "", "", "", "7 hari"}),
              (QStringList{"M1", "Ani", "P", "", "", "", "7 hari", ""}));
    EXPECT_EQ(ImportKindOf("ItemPerpus"), ImportKind::Items);
    EXPECT_EQ(ImportKindOf("Member"), ImportKind::Members);
    EXPECT_EQ(ImportKindOf("Kas"), ImportKind::None);
}
