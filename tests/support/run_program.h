#pragma once
// Runs another program to its end, the way a user or a script would, and keeps
// what it said, in the C locale so its messages can be read by tests.
#include <QProcess>
#include <QStringList>

namespace zelkor::test {

struct ProgramRun {
    bool started = false, crashed = false;
    int exitCode = -1;
    QString out, err;
    bool ok() const { return started && !crashed && exitCode == 0; }
};

inline ProgramRun RunProgram(const QString& program, const QStringList& args, const QByteArray& input = {},
                             int timeoutMs = 120000) {
    ProgramRun run;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LC_ALL", "C");
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!(run.started = p.waitForStarted())) return run;
    p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        run.crashed = true;
        return run;
    }
    run.crashed = p.exitStatus() == QProcess::CrashExit;
    run.exitCode = p.exitCode();
    run.out = QString::fromUtf8(p.readAllStandardOutput());
    run.err = QString::fromUtf8(p.readAllStandardError());
    return run;
}

}  // namespace zelkor::test
