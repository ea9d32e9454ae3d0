#include "app/startup.h"

#include <QDir>

#include "app/config_files.h"
#include "db/library_file.h"

namespace zelkor {

std::unique_ptr<AppContext> StartUp(const Places& places, const QString& programDir, AppServices services,
                                    QString* problem) {
    const ConnSettings conn = ReadConnFile(QDir(places.configDir).filePath(QStringLiteral("conn.txt")));
    // Only an existing library opens: a missing conn.txt, an empty path or a
    // path to no file stops here with the reason, never as a new empty file.
    const bool named = !conn.databasePath.trimmed().isEmpty();
    const QString openPath = named ? QDir(places.dataDir).filePath(conn.databasePath) : QString();
    QString error;
    auto db = OpenLibrary(openPath, &error);
    if (!db) {
        if (problem)
            *problem = named ? error : QString();
        else
            services.messages.show(QStringLiteral("Tidak dapat membuka database: ") + error,
                                   QStringLiteral("Info"), MsgButtons::Ok, MsgIcon::None);
        return nullptr;
    }
    auto ctx = std::make_unique<AppContext>(std::move(db), services);
    ctx->databasePath = conn.databasePath;
    ctx->connText2 = conn.text2;
    ctx->connText3 = conn.text3;
    ctx->workDir = places.dataDir;
    ctx->configDir = places.configDir;
    ctx->programDir = programDir;
    return ctx;
}

}  // namespace zelkor
