// The module as the program meets it: a library loaded by name, one entry point.
#include <gtest/gtest.h>

#include <QLibrary>
#include <QTemporaryDir>

#include "workbooks.h"

using namespace zelkor::test;

namespace {

using Entry = const char* (*)(const char*, const char*, const char*);

const char* const kQuery = "Select * FROM [Sheet1$]";
const char* const kMembers = "Id;Nama_Member;Jenis_Kelamin;Tmp_Lahir;Tgl_Lahir;Alamat;Durasi";

}  // namespace

TEST(XlstodbEntry, RecordsOrAMessageThatIsNoRecordText) {
    QLibrary lib(QStringLiteral(XLSTODB_MODULE));
    ASSERT_TRUE(lib.load()) << lib.errorString().toStdString();
    const auto sdata1 = reinterpret_cast<Entry>(lib.resolve("sdata1"));
    ASSERT_NE(sdata1, nullptr);

    QTemporaryDir dir;
    const WorkbookSheet sheet{"Sheet1", {{"Id", "Nama Member", "Durasi"}, {"M1", "Nur'aini", 7}}, {}};
    const QByteArray path = WriteWorkbook(dir.path(), "anggota", "xlsx", {sheet}).toUtf8();
    EXPECT_STREQ(sdata1(path.constData(), kQuery, kMembers), "M1;Nur'aini;;;;;7;|");

    // The sheet the query names is read; "Item" has none, so the first is.
    EXPECT_STREQ(sdata1(path.constData(), "Select * FROM [Item$]", "Id;Durasi"), "M1;7;|");

    const std::string missing = sdata1(dir.filePath("none.xls").toUtf8().constData(), kQuery, kMembers);
    EXPECT_EQ(missing.rfind("File tidak dapat dibuka", 0), 0u) << missing;
    EXPECT_STREQ(sdata1(nullptr, nullptr, nullptr), "Tidak ada file yang dipilih..");
    EXPECT_STREQ(sdata1("", kQuery, kMembers), "Tidak ada file yang dipilih..");
    lib.unload();
}
