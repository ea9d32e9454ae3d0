#include <sqlite3.h>

#include <QHash>
#include <QRegularExpression>
#include <optional>

#include "db/database.h"
#include "db/schema.h"

namespace zelkor {

namespace {

// The statements of schema.sql one by one, each without the comments before it.
QStringList schemaStatements() {
    QStringList out;
    QString pending;
    for (const QString& piece : SchemaSql().split(QLatin1Char(';'))) {
        pending += piece + QLatin1Char(';');
        if (!sqlite3_complete(pending.toUtf8().constData())) continue;
        QStringList lines = pending.split(QLatin1Char('\n'));
        while (!lines.isEmpty() &&
               (lines.front().trimmed().isEmpty() || lines.front().trimmed().startsWith(QLatin1String("--"))))
            lines.removeFirst();
        const QString statement = lines.join(QLatin1Char('\n')).trimmed();
        if (statement != QLatin1String(";")) out << statement.chopped(1);
        pending.clear();
    }
    return out;
}

// SQLite keeps a statement as written, "IF NOT EXISTS" left out.
struct OwnSchema {
    std::vector<SchemaObject> objects;
    QHash<QString, QStringList> columns;
    QHash<QString, QStringList> declarations;  // "Jenis TEXT", by table, in order
};

const OwnSchema& ownSchema() {
    static const OwnSchema schema = [] {
        OwnSchema s;
        static const QRegularExpression create(
            QStringLiteral(R"(^CREATE\s+(UNIQUE\s+)?(TABLE|INDEX|VIEW|TRIGGER)\s+IF\s+NOT\s+EXISTS\s+(\w+))"),
            QRegularExpression::CaseInsensitiveOption);
        for (const QString& statement : schemaStatements()) {
            const QRegularExpressionMatch m = create.match(statement);
            if (!m.hasMatch()) continue;
            QString kept = statement;
            kept.remove(m.capturedStart(0), m.capturedLength(0));
            kept.prepend(QStringLiteral("CREATE %1%2 %3").arg(m.captured(1), m.captured(2), m.captured(3)));
            s.objects.push_back({m.captured(2).toLower(), m.captured(3), kept});
        }
        // The columns from a private database made by the script itself.
        QString error;
        auto db = Database::open(QString(), &error);
        if (db && db->execScript(SchemaSql()))
            for (const SchemaObject& o : s.objects)
                if (o.type == QLatin1String("table"))
                    db->exec(QStringLiteral("select name, type from pragma_table_info(?)"), {o.name},
                             [&](const DbRow& row) {
                                 s.columns[o.name.toLower()] << row.text(0);
                                 s.declarations[o.name.toLower()]
                                     << row.text(0) + QLatin1Char(' ') + row.text(1);
                             });
        return s;
    }();
    return schema;
}

struct Found {
    QString type, sql;
};

DbResult readMaster(Database& db, QHash<QString, Found>& found) {
    return db.exec(QStringLiteral("select type, name, sql from sqlite_master"), {}, [&](const DbRow& row) {
        found.insert(row.text(1).toLower(), Found{row.text(0), row.text(2)});
    });
}

// What ApplySchema has to do: our objects to drop first (those of another text),
// and whether anything is to be written at all.
struct Plan {
    QStringList drop;        // "drop trigger X" ...
    QStringList addColumns;  // "alter table X add column Y TEXT" ...
    bool write = false;
};

// Columns schema.sql declares that the library's table lacks (a library made
// before they were added): added at the end, where schema.sql has them.
DbResult missingColumns(Database& db, const QString& table, QStringList& out) {
    QStringList has;
    DbResult r = db.exec(QStringLiteral("select lower(name) from pragma_table_info(?)"), {table},
                         [&](const DbRow& row) { has << row.text(0); });
    if (!r) return r;
    const QStringList& declared = ownSchema().declarations.value(table.toLower());
    const QStringList& names = ownSchema().columns.value(table.toLower());
    for (int i = 0; i < names.size() && !has.isEmpty(); ++i)
        if (!has.contains(names[i].toLower()))
            out << QStringLiteral("alter table \"%1\" add column %2").arg(table, declared.value(i));
    return r;
}

DbResult planFor(Database& db, Plan& plan) {
    plan = Plan();
    QHash<QString, Found> found;
    if (DbResult r = readMaster(db, found); !r) return r;
    bool kasBlok = true;
    for (const SchemaObject& own : ownSchema().objects) {
        const auto it = found.constFind(own.name.toLower());
        if (it == found.cend()) {
            plan.write = true;
            if (own.name == QLatin1String("KasBlok")) kasBlok = false;
            continue;
        }
        if (own.type == QLatin1String("table")) {
            // A library's tables keep their own text; only columns are added.
            if (DbResult r = missingColumns(db, own.name, plan.addColumns); !r) return r;
            plan.write = plan.write || !plan.addColumns.isEmpty();
            continue;
        }
        if (it->type != own.type || it->sql.simplified() != own.sql.simplified()) {
            plan.write = true;
            plan.drop << QStringLiteral("drop %1 if exists \"%2\"").arg(it->type, own.name);
            // Days counted by other triggers are counted again (the script fills
            // an empty KasBlok).
            if (own.type == QLatin1String("trigger"))
                plan.drop << QStringLiteral("drop table if exists KasBlok");
        }
    }
    if (kasBlok && found.contains(QStringLiteral("kas")) && !plan.write) {
        DbResult r;
        const QString matches = db.scalar(
            QStringLiteral(
                "select (select count(*) from Kas) = (select coalesce(sum(Baris), 0) from KasBlok)"),
            {}, QString(), &r);
        if (!r) return r;
        plan.write = matches != QLatin1String("1");
    }
    plan.drop.removeDuplicates();
    return {};
}

DbResult runAll(Database& db, const QStringList& statements) {
    for (const QString& sql : statements)
        if (DbResult r = db.execScript(sql); !r) return r;
    return {};
}

}  // namespace

const std::vector<SchemaObject>& SchemaObjects() {
    return ownSchema().objects;
}

QStringList SchemaColumns(const QString& table) {
    return ownSchema().columns.value(table.toLower());
}

bool ColumnAddedLater(const QString& table, const QString& column) {
    // Libraries written before these columns existed open with them added.
    static const QStringList later = {QStringLiteral("itemperpus.jenis")};
    return later.contains(table.toLower() + QLatin1Char('.') + column.toLower());
}

DbResult ApplySchema(Database& db) {
    // Per connection: a REPLACE into Kas tells the delete trigger what it removed.
    if (DbResult r = db.execScript(QStringLiteral("PRAGMA recursive_triggers = ON")); !r) return r;
    Plan plan;
    if (DbResult r = planFor(db, plan); !r || !plan.write) return r;
    // Inside the caller's own transaction (a new library being made) it is part of that.
    std::optional<Transaction> tx;
    if (sqlite3_get_autocommit(db.handle()) != 0) {
        tx.emplace(db);
        if (!tx->active()) return tx->beginResult();
        // Another copy may have done it while this one waited for the lock.
        if (DbResult r = planFor(db, plan); !r || !plan.write) return r;
    }
    if (DbResult r = runAll(db, plan.drop); !r) return r;
    if (DbResult r = runAll(db, plan.addColumns); !r) return r;
    if (DbResult r = db.execScript(SchemaSql()); !r) return r;
    return tx ? tx->commit() : DbResult{};
}

DbResult RebuildDerivedObjects(Database& db) {
    if (DbResult r = db.execScript(QStringLiteral("PRAGMA recursive_triggers = ON")); !r) return r;
    Transaction tx(db);
    if (!tx.active()) return tx.beginResult();
    QHash<QString, Found> found;
    if (DbResult r = readMaster(db, found); !r) return r;
    // The library's tables keep their data, and our indexes of the same text
    // need not be built again; KasBlok, triggers and views are made anew.
    QHash<QString, QString> kept;  // name -> the text it must have ("" for a table)
    for (const SchemaObject& own : ownSchema().objects) {
        if (own.type == QLatin1String("table") && own.name != QLatin1String("KasBlok"))
            kept.insert(own.name.toLower(), QString());
        if (own.type == QLatin1String("index")) kept.insert(own.name.toLower(), own.sql.simplified());
    }
    // Triggers first: dropping a table takes its triggers and indexes along.
    QStringList drops;
    for (const QString& kind : {QStringLiteral("trigger"), QStringLiteral("view"), QStringLiteral("table"),
                                QStringLiteral("index")})
        for (auto it = found.cbegin(); it != found.cend(); ++it) {
            if (it->type != kind || it.key().startsWith(QLatin1String("sqlite_"))) continue;
            if (kind == QLatin1String("table") && kept.contains(it.key()) && kept.value(it.key()).isEmpty())
                continue;
            if (kind == QLatin1String("index") && kept.value(it.key()) == it->sql.simplified() &&
                !it->sql.isEmpty())
                continue;
            // Indexes SQLite makes for a key have no text and go with their table.
            if (kind == QLatin1String("index") && it->sql.isEmpty()) continue;
            const QString drop =
                QStringLiteral("drop %1 if exists \"%2\"").arg(kind, QString(it.key()).replace('"', "\"\""));
            // A virtual table goes before the tables it keeps its data in.
            if (it->sql.startsWith(QLatin1String("create virtual"), Qt::CaseInsensitive))
                drops.prepend(drop);
            else
                drops << drop;
        }
    if (DbResult r = runAll(db, drops); !r) return r;
    QStringList addColumns;
    for (const SchemaObject& own : ownSchema().objects)
        if (own.type == QLatin1String("table") && found.contains(own.name.toLower()))
            if (DbResult r = missingColumns(db, own.name, addColumns); !r) return r;
    if (DbResult r = runAll(db, addColumns); !r) return r;
    // Names read before are not taken for those of the library brought in.
    if (found.value(QStringLiteral("ubahnama")).type == QLatin1String("table"))
        if (DbResult r = db.execScript(QStringLiteral("delete from UbahNama")); !r) return r;
    if (DbResult r = db.execScript(SchemaSql()); !r) return r;
    return tx.commit();
}

}  // namespace zelkor
