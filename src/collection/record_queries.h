#pragma once
// The statements of the record forms, built from a table's column names. No widgets
// here. Every typed value is bound, never spliced, and a search text is matched
// literally: "50%" finds "Diskon 50%", not every row, and "_" is an underscore.
#include <QString>
#include <QStringList>
#include <QVariantList>

namespace zelkor {

// One statement with the values bound to its "?" in order.
struct Statement {
    QString sql;
    QVariantList values;
};

// "select a, b, c from Table".
QString ListAllSql(const QString& table, const QStringList& columns);

// `listAllSql` alone for an empty text; otherwise the rows in which any of the
// `searched` columns contains `text` (letters of the Latin alphabet compared without
// regard to case, as SQLite's like does). A `condition` ("Id<>'KUNJUNG'") holds for
// every row listed, whatever the text.
Statement SearchStatement(const QString& listAllSql, const QStringList& searched, const QString& text,
                          const QString& condition = {});

// The condition of the lists of items that are not visit tariffs (Id "KUNJUNG"):
// the catalogue and the lost items. A tariff is the price of a visit, not an item
// on a shelf, and every visit ever made is one of its movements.
inline const QString kItemsOnly = QStringLiteral("Id is not 'KUNJUNG'");

// The like pattern "%text%" with "\", "%" and "_" escaped by "\" (the searches say
// escape '\').
QString ContainsPattern(const QString& text);

// Which stored row an update or a delete acts on: "a=? and b=?" over `columns`.
struct RecordKey {
    QStringList columns;
    QStringList values;
    QString where() const;
};

// "Select count(*) From Table WHERE Id=?" with the code.
Statement ExistsStatement(const QString& table, const QString& code);
Statement InsertStatement(const QString& table, const QStringList& columns, const QStringList& values);
// Every column but Id is set.
Statement UpdateStatement(const QString& table, const QStringList& columns, const QStringList& values,
                          const RecordKey& key);
Statement DeleteStatement(const QString& table, const RecordKey& key);
// One stored column of the rows the key finds: the name of the record a save would
// replace.
Statement ColumnStatement(const QString& table, const QString& column, const RecordKey& key);

// The count of a record's movements not yet returned, `column` being the TransPerpus
// column that names it ("IdItemPerpus", "IdMember"). Visits are never brought back
// and do not count.
Statement OpenMovementsStatement(const QString& column, const QString& code);

}  // namespace zelkor
