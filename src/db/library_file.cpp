#include "db/library_file.h"

#include <QFile>
#include <QFileInfo>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

#include "db/database.h"
#include "db/journal.h"
#include "db/schema.h"

namespace zelkor {

const QStringList& LibraryTables() {
    static const QStringList tables = {QStringLiteral("ItemPerpus"),  QStringLiteral("Member"),
                                       QStringLiteral("TransPerpus"), QStringLiteral("ItemHilang"),
                                       QStringLiteral("Kas"),         QStringLiteral("useradmin")};
    return tables;
}

QString LibraryProblem(Database& db, bool checkIntegrity) {
    QStringList missing;
    for (const QString& table : LibraryTables()) {
        DbResult r;
        const QString found = db.scalar(
            QStringLiteral("select count(*) from sqlite_master where type='table' and name=? collate nocase"),
            {table}, QStringLiteral("0"), &r);
        if (!r) return r.error;
        if (found == QLatin1String("0")) missing << table;
    }
    if (!missing.isEmpty())
        return QStringLiteral("bukan database perpustakaan (tabel %1 tidak ada)")
            .arg(missing.join(QStringLiteral(", ")));
    if (checkIntegrity) {
        DbResult r;
        const QString verdict = db.scalar(QStringLiteral("pragma quick_check"), {}, QString(), &r);
        if (!r) return r.error;
        if (verdict != QLatin1String("ok")) return QStringLiteral("file database rusak (%1)").arg(verdict);
    }
    return {};
}

namespace {
QString pathProblem(const QString& path) {
    if (path.trimmed().isEmpty()) return QStringLiteral("nama file database kosong");
    const QFileInfo info(path);
    if (!info.exists()) return QStringLiteral("file %1 tidak ditemukan").arg(path);
    if (!info.isFile()) return QStringLiteral("%1 bukan sebuah file").arg(path);
    return {};
}
}  // namespace

QString LibraryFileProblem(const QString& path, bool checkIntegrity) {
    if (QString problem = pathProblem(path); !problem.isEmpty()) return problem;
    QString error;
    auto db = Database::open(path, &error, Database::Mode::ExistingOnly);
    if (!db) return error;
    return LibraryProblem(*db, checkIntegrity);
}

bool IsLibraryFile(Database& db, const QString& path) {
    if (path.isEmpty() || db.path().isEmpty()) return false;
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
        const QString own = db.path() + QLatin1String(suffix);
#ifdef Q_OS_WIN
        const QString a = QFileInfo(own).canonicalFilePath();
        if (!a.isEmpty() && a.compare(QFileInfo(path).canonicalFilePath(), Qt::CaseInsensitive) == 0)
            return true;
#else
        struct stat mine {
        }, theirs{};
        if (::stat(QFile::encodeName(own).constData(), &mine) == 0 &&
            ::stat(QFile::encodeName(path).constData(), &theirs) == 0 && mine.st_dev == theirs.st_dev &&
            mine.st_ino == theirs.st_ino)
            return true;
#endif
    }
    return false;
}

std::unique_ptr<Database> OpenLibrary(const QString& path, QString* error) {
    auto fail = [&](const QString& why) {
        if (error) *error = why;
        return std::unique_ptr<Database>();
    };
    if (QString problem = pathProblem(path); !problem.isEmpty()) return fail(problem);
    QString openError;
    auto db = Database::open(path, &openError, Database::Mode::ExistingOnly);
    if (!db) return fail(openError);
    if (QString problem = LibraryProblem(*db); !problem.isEmpty()) return fail(problem);
    // A library made by an older program lacks the newer indexes.
    if (DbResult r = ApplySchema(*db); !r) return fail(r.error);
    ChooseJournal(*db, JournalFor(path));
    return db;
}

}  // namespace zelkor
