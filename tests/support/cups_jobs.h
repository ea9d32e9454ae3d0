#pragma once
// The real print path's jobs: the CUPS queue with the PDF printer as the default
// printer (scripts/start-printer.sh keeps job files in the spool), read back
// exactly as the program sent them.
#include <QDir>
#include <QPrinterInfo>
#include <QSet>
#include <QStringList>

#include "support/run_program.h"

namespace zelkor::test {

inline const QString kSpool = QStringLiteral("/var/spool/cups");

inline bool RunTool(const QString& program, const QStringList& args) {
    return test::RunProgram(program, args, {}, 30000).ok();
}

inline QString Output(const QString& program, const QStringList& args) {
    return test::RunProgram(program, args, {}, 30000).out;
}

// Why the real print path cannot be tried here; empty when it can.
inline QString CupsMissing() {
    if (!Output("lpstat", {"-r"}).contains("scheduler is running"))
        return "CUPS is not running (scripts/start-printer.sh starts it)";
    if (QPrinterInfo::defaultPrinter().isNull())
        return "CUPS has no default printer (scripts/start-printer.sh)";
    if (!QDir(kSpool).isReadable()) return "the CUPS spool folder is not readable by this user";
    if (!RunTool("pdftotext", {"-v"})) return "pdftotext (poppler-utils) is missing";
    return {};
}

inline QSet<QString> SpoolFiles() {
    const QStringList files = QDir(kSpool).entryList({"d*-001"}, QDir::Files);
    return QSet<QString>(files.begin(), files.end());
}

// The job file that appeared since `before` and holds `token`; empty when none does.
inline QString FindJob(const QSet<QString>& before, const QString& token) {
    for (const QString& f : SpoolFiles() - before) {
        const QString path = kSpool + "/" + f;
        if (Output("pdftotext", {"-layout", path, "-"}).contains(token)) return path;
    }
    return {};
}

}  // namespace zelkor::test
