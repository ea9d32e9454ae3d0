#pragma once
// The real export modules run from a temporary working directory with opening
// switched off (ZELKOR_EXPORT_NO_OPEN=1), as the program runs them.
#include <gtest/gtest.h>
#include <QLibrary>
#include <QStringList>

#include "support/fixture.h"
#include "support/run_program.h"

namespace zelkor::test {

class ModuleTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Files in laporan/ of the working directory, sorted.
    QStringList reports() const;
    QString reportDir() const;

    TestEnv env;

  private:
    QString savedDir_;
};

// One of the real modules, loaded directly to call its entry point with texts no
// grid would make.
class DirectModule {
  public:
    explicit DirectModule(const char* name);
    ~DirectModule() { lib_.unload(); }
    QFunctionPointer entry() { return lib_.resolve("sData"); }

  private:
    QLibrary lib_;
};

// A stand-in "xdg-open" first on PATH, with opening switched on. It records the
// path it was given, then waits until the test releases it, so a module that
// waited for it would be caught: finished() is already true when the module returns.
class FakeOpener {
  public:
    explicit FakeOpener(const QString& dir);
    ~FakeOpener();
    QString openedPath(int waitSeconds = 10) const;  // empty when never opened
    bool finished() const;
    void release();

  private:
    QString dir_;
    QByteArray savedPath_;
};

// Runs a program to its end; its standard output, or an empty text (and a test
// failure) when it did not finish with exit code 0.
inline QString RunTool(const QString& program, const QStringList& args) {
    const ProgramRun run = RunProgram(program, args);
    EXPECT_TRUE(run.ok()) << program.toStdString() << " failed: " << run.err.toStdString();
    return run.ok() ? run.out : QString();
}

// Polls for a file for up to `seconds`.
bool WaitForFile(const QString& path, int seconds);

}  // namespace zelkor::test
