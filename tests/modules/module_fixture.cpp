#include "module_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace zelkor::test {

void ModuleTest::SetUp() {
    savedDir_ = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(env.dir()));
    qputenv("ZELKOR_EXPORT_NO_OPEN", "1");
    env.ctx().programDir = MODULE_DIR;
}

void ModuleTest::TearDown() {
    QDir::setCurrent(savedDir_);
}

QString ModuleTest::reportDir() const {
    return QDir(env.dir()).filePath("laporan");
}

QStringList ModuleTest::reports() const {
    return QDir(reportDir()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

DirectModule::DirectModule(const char* name) : lib_(QDir(MODULE_DIR).filePath(name)) {
    if (!lib_.load()) ADD_FAILURE() << lib_.errorString().toStdString();
}

FakeOpener::FakeOpener(const QString& dir) : dir_(dir), savedPath_(qgetenv("PATH")) {
    const QString script = QDir(dir).filePath("xdg-open");
    QFile f(script);
    if (!f.open(QIODevice::WriteOnly)) ADD_FAILURE() << "cannot write " << script.toStdString();
    const QByteArray d = QFile::encodeName(dir);
    f.write(
        "#!/bin/sh\n"
        "printf '%s' \"$1\" > '" +
        d + "/opened.tmp' && mv '" + d + "/opened.tmp' '" + d +
        "/opened'\n"
        "i=0\n"
        "while [ ! -e '" +
        d +
        "/release' ] && [ $i -lt 200 ]; do sleep 0.05; i=$((i+1)); done\n"
        "echo done > '" +
        d + "/finished'\n");
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", d + ":" + savedPath_);
    qunsetenv("ZELKOR_EXPORT_NO_OPEN");
}

FakeOpener::~FakeOpener() {
    release();
    WaitForFile(QDir(dir_).filePath("finished"), 15);
    qputenv("PATH", savedPath_);
    qputenv("ZELKOR_EXPORT_NO_OPEN", "1");
}

QString FakeOpener::openedPath(int waitSeconds) const {
    const QString marker = QDir(dir_).filePath("opened");
    if (!WaitForFile(marker, waitSeconds)) return {};
    QFile f(marker);
    return f.open(QIODevice::ReadOnly) ? QFile::decodeName(f.readAll()) : QString();
}

bool FakeOpener::finished() const {
    return QFileInfo::exists(QDir(dir_).filePath("finished"));
}

void FakeOpener::release() {
    QFile f(QDir(dir_).filePath("release"));
    if (f.open(QIODevice::WriteOnly)) f.close();
}

bool WaitForFile(const QString& path, int seconds) {
    for (int i = 0; i < seconds * 20; ++i) {
        if (QFileInfo::exists(path)) return true;
        QThread::msleep(50);
    }
    return QFileInfo::exists(path);
}

}  // namespace zelkor::test
