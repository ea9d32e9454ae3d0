#include "empty_library.h"

#include "db/database.h"
#include "db/schema.h"

namespace zelkor::tools {

bool FillEmptyLibrary(const std::string& file, const QString& adminPasswordHash, std::string* error) {
    QString message;
    auto db = Database::open(QString::fromLocal8Bit(file.c_str()), &message);
    if (!db) {
        *error = message.toStdString();
        return false;
    }
    Transaction tx(*db);
    DbResult r = tx.beginResult();
    if (r) r = ApplySchema(*db);
    if (r)
        r = db->exec("insert into useradmin (User, Password) values (?, ?)",
                     {QStringLiteral("admin"), adminPasswordHash});
    if (r) r = tx.commit();
    if (!r) *error = r.error.toStdString();
    return r.ok;
}

}  // namespace zelkor::tools
