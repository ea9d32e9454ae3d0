#pragma once
// Where a run keeps its files. Started from a folder that holds "conn.txt", the
// run keeps everything in that folder, as it always did. Started anywhere else
// (from the desktop's menu), it keeps its settings in the user's configuration
// folder and the library, backups, safety copies, "laporan/" and "image/" in the
// user's data folder, the XDG folders that QStandardPaths names. The program's
// own folder is never written.
#include <QString>

namespace zelkor {

struct Places {
    QString configDir;  // conn.txt, perpus.txt, sekolah.txt
    QString dataDir;    // the library (a relative path in conn.txt), backups, laporan/, image/
    bool perUser = false;
};

// The places for a run started in `workDir`. The per-user folders are made when
// missing; a folder that cannot be made shows itself later, when something is
// written there.
Places ChoosePlaces(const QString& workDir);

// The per-user folders alone (the default folder of a new library).
Places UserPlaces();

}  // namespace zelkor
