#include "app/places.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace zelkor {

Places UserPlaces() {
    Places p;
    p.configDir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    p.dataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    p.perUser = true;
    return p;
}

Places ChoosePlaces(const QString& workDir) {
    if (QFileInfo::exists(QDir(workDir).filePath(QStringLiteral("conn.txt"))))
        return Places{workDir, workDir, false};
    Places p = UserPlaces();
    QDir().mkpath(p.configDir);
    QDir().mkpath(p.dataDir);
    return p;
}

}  // namespace zelkor
