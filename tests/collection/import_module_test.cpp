// The reader module as the dialog loads it: by name, beside the program first.
#include <gtest/gtest.h>

#include "collection/import_module.h"
#include "collection/import_records.h"
#include "support/form_driver.h"
#include "workbooks.h"

using namespace zelkor;
using namespace zelkor::test;

TEST(ImportModule, ReadsThroughTheModuleBesideTheProgram) {
    TestEnv env;
    env.ctx().programDir = QStringLiteral(XLSTODB_DIR);
    const WorkbookSheet sheet{"Sheet1", {{"Id", "Nama Member", "Durasi"}, {"M1", "Nur'aini", 7}}, {}};
    const QString path = WriteWorkbook(env.dir(), "anggota", "ods", {sheet});
    bool ranThroughRunner = false;
    const auto reply = ReadWithModule(env.ctx(), path, ImportHeaderLine(ImportKind::Members),
                                      [&](const std::function<QString()>& call) {
                                          ranThroughRunner = true;
                                          return call();
                                      });
    EXPECT_EQ(reply, std::optional<QString>("M1;Nur'aini;;;;;7;|"));
    EXPECT_TRUE(ranThroughRunner);
    EXPECT_TRUE(env.messages.shown.empty());
}

TEST(ImportModule, MissingModuleOrEntryIsToldAndNothingRead) {
    TestEnv env;
    env.ctx().programDir = env.dir();  // nothing there, nor in the library search path
    EXPECT_EQ(ReadWithModule(env.ctx(), "a.xls", "Id"), std::nullopt);
    env.ctx().programDir = QStringLiteral(NO_ENTRY_DIR);
    EXPECT_EQ(ReadWithModule(env.ctx(), "a.xls", "Id"), std::nullopt);
    EXPECT_EQ(Told(env), QStringList({"Export To excel..: tidak dapat membaca library..",
                                      "Export To excel..: tidak dapat membaca data yang dibaca library.."}));
}
