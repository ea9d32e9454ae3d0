#include "admin/backup_restore.h"

#include <QDir>
#include <QFileInfo>

#include "admin/busy_cursor.h"
#include "admin/database_copy.h"
#include "app/app_context.h"
#include "db/library_file.h"
#include "db/schema.h"

namespace zelkor {

namespace {

void tell(AppContext& ctx, const QString& text) {
    ctx.messages().show(text, QStringLiteral("Info"), MsgButtons::Ok, MsgIcon::None);
}

bool sameFile(const QString& a, const QString& b) {
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
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
    if (sameFile(path, ctx.db().path())) {
        tell(ctx,
             QStringLiteral("Restore dibatalkan, file %1 adalah database yang sedang dipakai.").arg(path) +
                 unchanged);
        return false;
    }
    if (const QString problem = LibraryFileProblem(path, true); !problem.isEmpty()) {
        tell(ctx, QStringLiteral("Restore dibatalkan, file %1 tidak dapat dipakai: %2.").arg(path, problem) +
                      unchanged);
        return false;
    }
    QString safety, error;
    if (!WriteSafetyCopy(ctx, QStringLiteral("SebelumRestore"), &safety, &error)) {
        tell(ctx, QStringLiteral("Restore dibatalkan, salinan data sebelum restore tidak dapat dibuat: %1.")
                          .arg(error) +
                      unchanged);
        return false;
    }
    if (!CopyFileIntoDatabase(path, ctx.db(), &error)) {
        tell(ctx, QStringLiteral("Restore gagal: %1.").arg(error) + unchanged);
        return false;
    }
    // A backup made by an older program lacks the newer indexes.
    if (const DbResult r = ApplySchema(ctx.db()); !r) ctx.sqlError(r.error);
    tell(ctx,
         QStringLiteral("Restore data berhasil. Data sebelum restore disimpan di file %1..").arg(safety));
    return true;
}

}  // namespace zelkor
