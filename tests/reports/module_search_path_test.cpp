// An export module found only through the platform's library search path. Its own
// program, since that path is fixed when a process starts: ctest runs it with
// LD_LIBRARY_PATH naming the stand-in modules' folder.
#include <gtest/gtest.h>

#include "reports/grid_export.h"
#include "support/fixture.h"
#include "ui/grid_data.h"

using namespace zelkor;
using namespace zelkor::test;

TEST(ModuleSearchPath, FoundThroughLibrarySearchPath) {
    TestEnv env;
    env.ctx().programDir = env.dir();  // nothing beside the program
    GridData grid;
    grid.addColumn("No", 40, Align::Right);
    grid.addColumn("Nama", 100);
    grid.appendRow({"1.", "Ani"});
    env.ctx().exportGrid = &grid;
    EXPECT_EQ(ReportGridToBrowser(env.ctx(), "LAPORAN", grid),
              QString("LAPORAN;Perpus Harapan;Jl. Merdeka No. 5;rl\x1eNo;Nama\x1e") + "1.,Ani");
    EXPECT_EQ(ExportGridToSpreadsheet(env.ctx()), QString("1\x1e") + "2\x1eNo,Nama;1,Ani");
    EXPECT_TRUE(env.messages.shown.empty());
}
