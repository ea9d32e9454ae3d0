#include "admin/backup_restore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "admin/busy_cursor.h"
#include "admin/database_copy.h"
#include "admin/restore_check.h"
#include "app/app_context.h"
#include "db/database.h"
#include "db/library_file.h"
#include "db/schema.h"

namespace zelkor {

namespace {

void tell(AppContext& ctx, const QString& text) {
    ctx.messages().show(text, QStringLiteral("Info"), MsgButtons::Ok, MsgIcon::None);
}

}  // namespace

bool BackUpDatabase(AppContext& ctx) {
    const QString name =
        QStringLiteral("BackUp") + QString(ctx.todayText).remove('-') + QStringLiteral(".dataperpus");
    QString error;
    bool copied = false;
    {
        BusyCursor busy;
        copied = CopyDatabaseToFile(ctx.db(), QDir(ctx.workDir).filePath(name), &error);
    }
    if (!copied) {
        tell(ctx, QStringLiteral("Backup gagal, file %1 tidak dibuat: %2..").arg(name, error));
        return false;
    }
    tell(ctx, QStringLiteral("File hasil backup : ") + name);
    return true;
}

bool RestoreDatabase(AppContext& ctx) {
    const QString path =
        ctx.files().openFile(QStringLiteral("Cari dan Pili File Excel"),
                             QStringLiteral("Excel files (*.dataperpus)|*.dataperpus|All Files (*.*)|*.*"),
                             QString(), ctx.workDir);
    if (path.isEmpty()) return false;

    const QString unchanged = QStringLiteral(" Data tidak berubah..");
    BusyCursor busy;
    auto refuse = [&](const QString& text) {
        tell(ctx, text + unchanged);
        return false;
    };
    if (IsLibraryFile(ctx.db(), path))
        return refuse(
            QStringLiteral("Restore dibatalkan, file %1 adalah database yang sedang dipakai.").arg(path));
    auto unusable = [&](const QString& why) {
        return refuse(QStringLiteral("Restore dibatalkan, file %1 tidak dapat dipakai: %2.").arg(path, why));
    };
    // The backup is only read; the work is done on a copy of it, which gets our
    // own triggers and day sums and loses whatever else the file brought.
    const QString working =
        QDir(ctx.workDir)
            .filePath(QStringLiteral("Restore.%1.sementara").arg(QCoreApplication::applicationPid()));
    QString error;
    {
        auto source = Database::open(path, &error, Database::Mode::ReadOnly);
        if (!source) return unusable(error);
        if (QString problem = RestoreProblem(*source); !problem.isEmpty()) return unusable(problem);
        if (!CopyDatabaseToFile(*source, working, &error)) return unusable(error);
    }
    struct RemoveWhenDone {
        QString path;
        ~RemoveWhenDone() { RemoveCopy(path); }
    } removeWorking{working};
    {
        auto copy = Database::open(working, &error, Database::Mode::ExistingOnly);
        if (!copy) return unusable(error);
        // The pages are checked on the copy, which is read once more anyway.
        if (QString problem = LibraryProblem(*copy, true); !problem.isEmpty()) return unusable(problem);
        if (const DbResult r = RebuildDerivedObjects(*copy); !r) return unusable(r.error);
    }
    QString safety;
    if (!WriteSafetyCopy(ctx, QStringLiteral("SebelumRestore"), &safety, &error))
        return refuse(
            QStringLiteral("Restore dibatalkan, salinan data sebelum restore tidak dapat dibuat: %1.")
                .arg(error));
    if (!CopyFileIntoDatabase(working, ctx.db(), &error))
        return refuse(QStringLiteral("Restore gagal: %1.").arg(error));
    // A backup made by an older program lacks the newer indexes.
    if (const DbResult r = ApplySchema(ctx.db()); !r) ctx.sqlError(r.error);
    tell(ctx,
         QStringLiteral("Restore data berhasil. Data sebelum restore disimpan di file %1..").arg(safety));
    return true;
}

}  // namespace zelkor
