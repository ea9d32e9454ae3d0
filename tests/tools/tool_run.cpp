#include "tool_run.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QProcess>

namespace zelkor::test {

QString ToolPath(const QString& tool) {
    return qEnvironmentVariable("ZELKOR_BIN_DIR") + QLatin1Char('/') + tool;
}

ToolRun RunTool(const QString& tool, const QStringList& args, const QByteArray& input) {
    ToolRun run;
    QProcess p;
    p.start(ToolPath(tool), args);
    if (!p.waitForStarted()) {
        ADD_FAILURE() << "cannot start " << ToolPath(tool).toStdString();
        return run;
    }
    p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(120000)) ADD_FAILURE() << tool.toStdString() << " did not finish";
    run.crashed = p.exitStatus() == QProcess::CrashExit;
    run.exitCode = p.exitCode();
    run.out = QString::fromUtf8(p.readAllStandardOutput());
    run.err = QString::fromUtf8(p.readAllStandardError());
    return run;
}

std::unique_ptr<Database> OpenDb(const QString& path) {
    QString error;
    auto db = Database::open(path, &error);
    if (!db) ADD_FAILURE() << path.toStdString() << ": " << error.toStdString();
    return db;
}

QStringList Rows(Database& db, const QString& sql) {
    QStringList out;
    const DbResult r = db.exec(sql, {}, [&](const DbRow& row) {
        QStringList cells;
        for (int i = 0; i < row.columnCount(); ++i)
            cells << (row.isNull(i) ? QStringLiteral("NULL") : row.text(i));
        out << cells.join(QLatin1Char('|'));
    });
    if (!r.ok) ADD_FAILURE() << sql.toStdString() << ": " << r.error.toStdString();
    return out;
}

QStringList FilesIn(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                               QDir::Name);
}

QByteArray FileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace zelkor::test
