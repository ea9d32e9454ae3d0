#include <dlfcn.h>

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

#include "reports/grid_export.h"
#include "support/files.h"
#include "support/fixture.h"
#include "ui/grid_data.h"

using namespace zelkor;
using namespace zelkor::test;

namespace {

const QString kCaption = "Export To excel..";
const QString kNoLibrary = "tidak dapat membaca library..";
const QString kNoEntry = "tidak dapat membaca data yang dibaca library..";

void fillItems(GridData& g) {
    g.addColumn("No", 40, Align::Right);
    g.addColumn("Id", 80, Align::Center);
    g.addColumn("Nama Item", 200);
    g.addColumn("Denda", 80, Align::Right);
    g.appendRow({"1.", "B001", "Laskar Pelangi", "1.500"});
    g.appendRow({"2.", "B002", "Jl. Mawar, 12", "500.0"});
}

QStringList parts(const std::optional<QString>& reply) {
    return reply ? reply->split(QChar(0x1e)) : QStringList();
}

// True while the library at `path` is still mapped into the process.
bool stillLoaded(const QString& path) {
    void* h = dlopen(QFile::encodeName(path).constData(), RTLD_LAZY | RTLD_NOLOAD);
    if (h) dlclose(h);
    return h != nullptr;
}

class GridExportTest : public DbTest {
  protected:
    void SetUp() override { fillItems(grid); }
    GridData grid;
};

}  // namespace

TEST_F(GridExportTest, BrowserModuleReceivesTheExactPackage) {
    env.ctx().programDir = ECHO_MODULE_DIR;
    const QStringList got = parts(ReportGridToBrowser(env.ctx(), "LAPORAN DATA ITEM PERPUSTAKAAN", grid));
    ASSERT_EQ(got.size(), 3);
    EXPECT_EQ(got[0], "LAPORAN DATA ITEM PERPUSTAKAAN;Perpus Harapan;Jl. Merdeka No. 5;rclr");
    EXPECT_EQ(got[1], "No;Id;Nama Item;Denda");
    EXPECT_EQ(got[2], QString::fromUtf8("1.,B001,Laskar Pelangi,1.500;2.,B002,Jl. Mawar\u201A 12,500.0"));
    EXPECT_TRUE(env.messages.shown.empty());
    // Loaded for the one call and released after it.
    EXPECT_FALSE(stillLoaded(QDir(ECHO_MODULE_DIR).filePath("libexptohtml.so")));
}

TEST_F(GridExportTest, SpreadsheetModuleReceivesExportGrid) {
    env.ctx().programDir = ECHO_MODULE_DIR;
    GridData other;
    other.addColumn("X", 10);
    env.ctx().exportGrid = &grid;  // the caller's own grid, set just before the call
    const QStringList got = parts(ExportGridToSpreadsheet(env.ctx()));
    ASSERT_EQ(got.size(), 3);
    EXPECT_EQ(got[0], "2");
    EXPECT_EQ(got[1], "4");
    EXPECT_EQ(got[2], "No,Id,Nama Item,Denda;1,B001,Laskar Pelangi,1500;2,B002,Jl Mawar- 12,500");
    EXPECT_TRUE(env.messages.shown.empty());
    EXPECT_FALSE(stillLoaded(QDir(ECHO_MODULE_DIR).filePath("libexptoxls.so")));
}

// A module that is missing (nor in the library search path), is no library, or
// lacks its entry point: the operator is told, nothing stays loaded, and the
// program goes on to the next export.
TEST_F(GridExportTest, ModuleThatCannotServeIsReportedAndTheProgramGoesOn) {
    const QString junk = env.dir() + "/junk";
    QDir().mkpath(junk);
    for (const char* name : {"libexptohtml.so", "libexptoxls.so"})
        WriteBytes(QDir(junk).filePath(name), "not a library");
    const struct {
        QString dir, told;
    } cases[] = {{env.dir(), kNoLibrary}, {junk, kNoLibrary}, {NO_ENTRY_MODULE_DIR, kNoEntry}};
    env.ctx().exportGrid = &grid;
    for (const auto& c : cases) {
        env.messages.clear();
        env.ctx().programDir = c.dir;
        EXPECT_FALSE(ReportGridToBrowser(env.ctx(), "LAPORAN", grid));
        EXPECT_FALSE(ExportGridToSpreadsheet(env.ctx()));
        ASSERT_EQ(env.messages.shown.size(), 2u) << c.dir.toStdString();
        for (const auto& m : env.messages.shown) {
            EXPECT_EQ(m.text, c.told);
            EXPECT_EQ(m.caption, kCaption);
            EXPECT_EQ(m.icon, MsgIcon::Information);
            EXPECT_EQ(m.buttons, MsgButtons::Ok);
        }
    }
    EXPECT_FALSE(stillLoaded(QDir(NO_ENTRY_MODULE_DIR).filePath("libexptohtml.so")));
    env.ctx().programDir = ECHO_MODULE_DIR;
    EXPECT_TRUE(ExportGridToSpreadsheet(env.ctx()));
    EXPECT_EQ(env.messages.shown.size(), 2u);
}

TEST_F(GridExportTest, WithoutAnExportGridNothingIsExported) {
    env.ctx().programDir = ECHO_MODULE_DIR;
    env.ctx().exportGrid = nullptr;
    EXPECT_FALSE(ExportGridToSpreadsheet(env.ctx()));
    EXPECT_TRUE(env.messages.shown.empty());
}
