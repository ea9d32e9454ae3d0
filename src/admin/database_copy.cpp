#include "admin/database_copy.h"

#include <sqlite3.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <filesystem>
#include <memory>

#ifdef Q_OS_WIN
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <signal.h>

#include <cerrno>
#endif

#include "app/app_context.h"
#include "db/database.h"

namespace zelkor {

namespace {

// How long a copy waits for another connection's write to end.
constexpr int kLockWaitMs = 10000;

bool fail(QString* error, const QString& why) {
    if (error) *error = why;
    return false;
}

// Copies every page of `from` into `to` in one step, waiting while another
// connection holds a lock. Empty when done, else the reason.
QString copyPages(sqlite3* from, sqlite3* to) {
    sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
    if (!backup) return QString::fromUtf8(sqlite3_errmsg(to));
    const QDeadlineTimer deadline(kLockWaitMs);
    int rc = SQLITE_OK;
    do {
        rc = sqlite3_backup_step(backup, -1);
        if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED) sqlite3_sleep(20);
    } while ((rc == SQLITE_BUSY || rc == SQLITE_LOCKED) && !deadline.hasExpired());
    const int finished = sqlite3_backup_finish(backup);
    if (rc == SQLITE_DONE) return {};
    return finished != SQLITE_OK ? QString::fromUtf8(sqlite3_errmsg(to))
                                 : QString::fromUtf8(sqlite3_errstr(rc));
}

QString journalMode(Database& db) {
    return db.scalar(QStringLiteral("pragma journal_mode")).toLower();
}

// Sets the journal mode; empty when it took, else the reason.
QString setJournalMode(Database& db, const QString& mode) {
    DbResult r;
    const QString now = db.scalar(QStringLiteral("pragma journal_mode=") + mode, {}, QString(), &r);
    if (!r) return r.error;
    return now.compare(mode, Qt::CaseInsensitive) == 0 ? QString()
                                                       : QStringLiteral("mode jurnal tetap %1").arg(now);
}

void removeWithCompanions(const QString& path) {
    for (const char* suffix : {"", "-journal", "-wal", "-shm"}) QFile::remove(path + QLatin1String(suffix));
}

std::filesystem::path fsPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

bool processGone(qint64 pid) {
#ifdef Q_OS_WIN
    HANDLE h = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(pid));
    if (!h) return GetLastError() == ERROR_INVALID_PARAMETER;
    const bool gone = WaitForSingleObject(h, 0) == WAIT_OBJECT_0;
    CloseHandle(h);
    return gone;
#else
    return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
#endif
}

}  // namespace

void RemoveCopy(const QString& path) {
    removeWithCompanions(path);
}

int RemoveLeftoverCopies(const QString& folder) {
    static const QRegularExpression leftover(
        QStringLiteral(R"(\.(\d{1,9})\.sementara(-journal|-wal|-shm)?$)"));
    int removed = 0;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.sementara*")}, QDir::Files | QDir::Hidden)) {
        const QRegularExpressionMatch m = leftover.match(name);
        if (m.hasMatch() && processGone(m.captured(1).toLongLong()) && QFile::remove(dir.filePath(name)))
            ++removed;
    }
    return removed;
}

bool CopyDatabaseToFile(Database& from, const QString& target, QString* error) {
    const QFileInfo info(target);
    if (!QFileInfo(info.absolutePath()).isDir())
        return fail(error,
                    QStringLiteral("folder %1 tidak ada").arg(QDir::toNativeSeparators(info.absolutePath())));
    // SQLite makes the file as it makes any database (the usual permissions);
    // the process id keeps two programs backing up at once apart.
    const QString tempPath =
        info.absoluteFilePath() + QStringLiteral(".%1.sementara").arg(QCoreApplication::applicationPid());
    // Left by a run that ended half-way, this one's or one that was killed.
    removeWithCompanions(tempPath);
    RemoveLeftoverCopies(info.absolutePath());

    QString why;
    {
        QString openError;
        auto to = Database::open(tempPath, &openError, Database::Mode::CreateIfMissing);
        if (!to)
            why = QStringLiteral("%1 tidak dapat dibuat (%2)")
                      .arg(QDir::toNativeSeparators(tempPath), openError);
        else  // a new file in WAL mode could take no other page size than its own
            why = setJournalMode(*to, QStringLiteral("delete"));
        if (why.isEmpty()) why = copyPages(from.handle(), to->handle());
        // The pages carry the source's journal mode; a backup is one plain file.
        if (why.isEmpty()) {
            to.reset();
            to = Database::open(tempPath, &openError, Database::Mode::ExistingOnly);
            why = to ? setJournalMode(*to, QStringLiteral("delete")) : openError;
        }
    }
    if (why.isEmpty()) {
        std::error_code ec;
        std::filesystem::rename(fsPath(tempPath), fsPath(target), ec);
        if (!ec) return true;
        why = QStringLiteral("%1 tidak dapat ditulis (%2)")
                  .arg(QDir::toNativeSeparators(target), QString::fromLocal8Bit(ec.message().c_str()));
    }
    removeWithCompanions(tempPath);
    return fail(error, why);
}

bool CopyFileIntoDatabase(const QString& source, Database& into, QString* error) {
    QString openError;
    auto from = Database::open(source, &openError, Database::Mode::ExistingOnly);
    if (!from) return fail(error, openError);

    // In WAL mode SQLite cannot change a database's page size, so a library of
    // another page size comes in through the rollback journal.
    const QString mode = journalMode(into);
    const bool switchMode =
        mode == QLatin1String("wal") &&
        from->scalar(QStringLiteral("pragma page_size")) != into.scalar(QStringLiteral("pragma page_size"));
    if (switchMode) {
        if (QString why = setJournalMode(into, QStringLiteral("delete")); !why.isEmpty())
            return fail(error, why);
    }
    const QString why = copyPages(from->handle(), into.handle());
    // The copied pages bring the source's journal mode with them, which SQLite
    // takes up at the next read; the connection keeps the one it had.
    into.scalar(QStringLiteral("select count(*) from sqlite_master"));
    if (journalMode(into) != mode) setJournalMode(into, mode);
    if (!why.isEmpty()) return fail(error, why);
    return true;
}

bool WriteSafetyCopy(AppContext& ctx, const QString& prefix, QString* name, QString* error) {
    const QDir dir(ctx.workDir);
    const QString stem = prefix + ctx.timeStamp();
    QString fileName = stem + QStringLiteral(".dataperpus");
    for (int n = 2; QFileInfo::exists(dir.filePath(fileName)); ++n)
        fileName = stem + QStringLiteral("-%1.dataperpus").arg(n);
    if (name) *name = fileName;
    return CopyDatabaseToFile(ctx.db(), dir.filePath(fileName), error);
}

}  // namespace zelkor
