#include "app/startup.h"

#include <QDir>

#include "app/config_files.h"
#include "db/library_file.h"

namespace zelkor {

std::unique_ptr<AppContext> StartUp(const QString& workDir, const QString& programDir, AppServices services) {
    const ConnSettings conn = ReadConnFile(QDir(workDir).filePath(QStringLiteral("conn.txt")));
    // Only an existing library opens: a missing conn.txt, an empty path or a
    // path to no file stops here with the reason, never as a new empty file.
    const QString openPath =
        conn.databasePath.trimmed().isEmpty() ? QString() : QDir(workDir).filePath(conn.databasePath);
    QString error;
    auto db = OpenLibrary(openPath, &error);
    if (!db) {
        services.messages.show(QStringLiteral("Tidak dapat membuka database: ") + error,
                               QStringLiteral("Info"), MsgButtons::Ok, MsgIcon::None);
        return nullptr;
    }
    auto ctx = std::make_unique<AppContext>(std::move(db), services);
    ctx->databasePath = conn.databasePath;
    ctx->connText2 = conn.text2;
    ctx->connText3 = conn.text3;
    ctx->workDir = workDir;
    ctx->programDir = programDir;
    return ctx;
}

}  // namespace zelkor
