// The real program as a process: the exit code of an orderly stop at start-up.
// These run build/bin/zelkor on a private Xvfb display and answer its windows
// with xdotool; they are skipped on a machine without the two.
#include <gtest/gtest.h>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include "support/files.h"

namespace {

QString programPath() {
    const QString dir = qEnvironmentVariable("ZELKOR_BIN_DIR");
    return dir.isEmpty() ? QString() : QDir(dir).filePath("zelkor");
}

// An X server of our own on the first free display.
class PrivateDisplay {
  public:
    bool start() {
        server_.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        if (!server_.waitForStarted(5000)) return false;
        QDeadlineTimer deadline(10000);
        while (!server_.canReadLine() && !deadline.hasExpired()) server_.waitForReadyRead(100);
        const QString number = QString::fromLatin1(server_.readLine()).trimmed();
        if (number.isEmpty()) return false;
        name_ = ':' + number;
        return true;
    }
    ~PrivateDisplay() {
        server_.terminate();
        if (!server_.waitForFinished(3000)) server_.kill();
    }
    QString name() const { return name_; }

    // xdotool's output; empty when it found nothing.
    QString xdotool(const QStringList& args) const {
        QProcess p;
        p.setProcessEnvironment(env());
        p.start("xdotool", args);
        p.waitForFinished(10000);
        return QString::fromLatin1(p.readAllStandardOutput()).trimmed();
    }
    // The first window whose title is exactly `title`, waiting for it to appear.
    QString waitForWindow(const QString& title, int ms = 15000) const {
        QDeadlineTimer deadline(ms);
        while (!deadline.hasExpired()) {
            const QString ids = xdotool({"search", "--onlyvisible", "--name", '^' + title + '$'});
            if (!ids.isEmpty()) return ids.split('\n').first();
            QThread::msleep(100);
        }
        return {};
    }
    QProcessEnvironment env() const {
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.insert("DISPLAY", name_);
        e.insert("QT_QPA_PLATFORM", "xcb");
        return e;
    }

  private:
    QProcess server_;
    QString name_;
};

class ProcessTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (programPath().isEmpty() || !QFile::exists(programPath())) GTEST_SKIP() << "zelkor not built";
        if (QStandardPaths::findExecutable("Xvfb").isEmpty() ||
            QStandardPaths::findExecutable("xdotool").isEmpty())
            GTEST_SKIP() << "Xvfb or xdotool missing";
        ASSERT_TRUE(display.start()) << "Xvfb did not start";
        program.setWorkingDirectory(dir.path());
        program.setProcessEnvironment(display.env());
    }
    void TearDown() override {
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished(3000);
        }
    }

    QTemporaryDir dir;
    PrivateDisplay display;
    QProcess program;
};

}  // namespace

TEST_F(ProcessTest, UnopenableDatabaseEndsWithCodeOneAndNoWindow) {
    zelkor::test::WriteBytes(dir.filePath("conn.txt"), "tidak/ada/perpus.db;-;-\n");
    program.start(programPath());
    const QString box = display.waitForWindow("Info");
    ASSERT_FALSE(box.isEmpty()) << "the message box did not appear";
    EXPECT_TRUE(display.xdotool({"search", "--name", "^Zelkor \\+ Rental"}).isEmpty())
        << "no window is created";
    display.xdotool({"windowfocus", "--sync", box, "key", "Return"});
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 1);
    EXPECT_FALSE(QFile::exists(dir.filePath("tidak")));
}
