#include "program/first_start.h"

#include <QDir>
#include <QFileInfo>

#include "accounts/password_hash.h"
#include "db/library_file.h"
#include "demo/sample_library.h"
#include "empty_library.h"
#include "tool_support.h"

namespace zelkor {

namespace {

bool hasSeparator(const Identity& id) {
    for (const QString& text : {id.name, id.address, id.phone, id.email})
        if (text.contains(';') || HasLineBreak(text)) return true;
    return false;
}

bool fill(const QString& path, const tools::FillNewFile& how, QString* error) {
    tools::NewFile file(QFile::encodeName(path).toStdString());
    std::string why;
    if (file.targetExists())
        why = "file sudah ada";
    else if (tools::FillAndCommit(file, how, &why))
        return true;
    *error = QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(why.c_str()));
    return false;
}

}  // namespace

QString NewLibraryProblem(const NewLibrary& lib) {
    if (lib.identity.name.trimmed().isEmpty()) return QStringLiteral("Nama Perpustakaan belum terisi");
    if (hasSeparator(lib.identity))
        return QStringLiteral("tanda ; dan pindah baris tidak dapat dipakai dalam identitas perpustakaan");
    if (lib.password.size() < kMinPasswordLength)
        return QStringLiteral("password minimal %1 karakter").arg(kMinPasswordLength);
    if (lib.password != lib.repeat) return QStringLiteral("kedua password tidak sama");
    if (lib.path.trimmed().isEmpty()) return QStringLiteral("nama file database kosong");
    if (lib.path.contains(';') || HasLineBreak(lib.path))
        return QStringLiteral("nama file database tidak boleh memuat tanda ; atau pindah baris");
    const QFileInfo file(lib.path);
    if (file.exists() || file.isSymLink()) return QStringLiteral("file %1 sudah ada").arg(lib.path);
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir()) return QStringLiteral("folder %1 tidak ada").arg(folder.filePath());
    if (!folder.isWritable()) return QStringLiteral("folder %1 tidak dapat ditulis").arg(folder.filePath());
    return {};
}

bool MakeNewLibrary(const NewLibrary& lib, QString* error) {
    const QString hash = HashPassword(lib.password);
    if (hash.isEmpty()) {
        *error = QStringLiteral("password tidak dapat disimpan");
        return false;
    }
    return fill(
        lib.path,
        [&](const std::string& temp, std::string* why) { return tools::FillEmptyLibrary(temp, hash, why); },
        error);
}

Identity SampleIdentity() {
    return Identity{QStringLiteral("PERPUSTAKAAN CONTOH"), QStringLiteral("Jl. Contoh No. 1"),
                    QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-")};
}

bool MakeSampleLibrary(const QString& path, const QDate& today, QString* error) {
    if (QFileInfo::exists(path)) return true;
    return fill(
        path,
        [&](const std::string& temp, std::string*) {
            demo::BuildSampleLibrary(temp, 1, today);
            return true;
        },
        error);
}

QString ExistingLibraryProblem(const QString& path) {
    if (path.contains(';') || HasLineBreak(path))
        return QStringLiteral("nama file database tidak boleh memuat tanda ; atau pindah baris");
    return LibraryFileProblem(path.trimmed().isEmpty() ? QString() : path, true);
}

bool RecordLibrary(const QString& configDir, const QString& path, const Identity* identity, QString* error) {
    const QDir dir(configDir);
    if (identity &&
        !WriteLineFile(dir.filePath(QStringLiteral("perpus.txt")), IdentityLine(*identity), error))
        return false;
    return WriteLineFile(dir.filePath(QStringLiteral("conn.txt")), ConnLine(ConnSettings{path, {}, {}}),
                         error);
}

}  // namespace zelkor
