#include "admin/restore_check.h"

#include <QStringList>

#include "accounts/password_hash.h"
#include "db/database.h"
#include "db/library_file.h"
#include "db/schema.h"

namespace zelkor {

namespace {

QString tableProblem(Database& db, const QString& table) {
    QString type, sql;
    DbResult r = db.exec(QStringLiteral("select type, sql from sqlite_master where name=? collate nocase"),
                         {table}, [&](const DbRow& row) {
                             type = row.text(0);
                             sql = row.text(1);
                         });
    if (!r) return r.error;
    if (type.isEmpty()) return QStringLiteral("tabel %1 tidak ada").arg(table);
    if (type != QLatin1String("table") ||
        sql.startsWith(QLatin1String("create virtual"), Qt::CaseInsensitive))
        return QStringLiteral("%1 bukan tabel biasa").arg(table);
    QStringList has;
    r = db.exec(QStringLiteral("select lower(name) from pragma_table_info(?)"), {table},
                [&](const DbRow& row) { has << row.text(0); });
    if (!r) return r.error;
    QStringList missing;
    for (const QString& column : SchemaColumns(table))
        if (!has.contains(column.toLower()) && !ColumnAddedLater(table, column)) missing << column;
    if (!missing.isEmpty())
        return QStringLiteral("kolom %1 tidak ada di tabel %2")
            .arg(missing.join(QStringLiteral(", ")), table);
    return {};
}

}  // namespace

QString RestoreProblem(Database& source) {
    DbResult r;
    const QString encoding = source.scalar(QStringLiteral("pragma encoding"), {}, QString(), &r);
    if (!r) return r.error;
    // Every text the program binds and reads is UTF-8.
    if (encoding != QLatin1String("UTF-8"))
        return QStringLiteral("teks database tidak UTF-8 (%1)").arg(encoding);
    if (QString problem = LibraryProblem(source); !problem.isEmpty()) return problem;
    for (const QString& table : LibraryTables())
        if (QString problem = tableProblem(source, table); !problem.isEmpty()) return problem;
    bool anyAccount = false;
    r = source.exec(QStringLiteral("select Password from useradmin where trim(coalesce(User, '')) <> ''"), {},
                    [&](const DbRow& row) { anyAccount = anyAccount || PasswordCanMatch(row.text(0)); });
    if (!r) return r.error;
    if (!anyAccount) return QStringLiteral("tidak ada operator yang dapat login");
    return {};
}

}  // namespace zelkor
