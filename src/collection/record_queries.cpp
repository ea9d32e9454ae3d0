#include "record_queries.h"

namespace zelkor {

QString ListAllSql(const QString& table, const QStringList& columns) {
    return QStringLiteral("select ") + columns.join(QStringLiteral(", ")) + QStringLiteral(" from ") + table;
}

QString ContainsPattern(const QString& text) {
    QString escaped;
    escaped.reserve(text.size() + 2);
    escaped += QLatin1Char('%');
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('%') || c == QLatin1Char('_'))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    escaped += QLatin1Char('%');
    return escaped;
}

Statement SearchStatement(const QString& listAllSql, const QStringList& searched, const QString& text,
                          const QString& condition) {
    const QString where = QStringLiteral(" where ");
    const bool all = text.isEmpty() || searched.isEmpty();
    if (all) return {condition.isEmpty() ? listAllSql : listAllSql + where + condition, {}};
    QStringList tests;
    QVariantList values;
    const QString pattern = ContainsPattern(text);
    for (const QString& column : searched) {
        tests << column + QStringLiteral(" like ? escape '\\'");
        values << pattern;
    }
    const QString anyColumn = tests.join(QStringLiteral(" Or "));
    return {listAllSql + where +
                (condition.isEmpty() ? anyColumn
                                     : condition + QStringLiteral(" and (") + anyColumn + QLatin1Char(')')),
            values};
}

QString RecordKey::where() const {
    QStringList tests;
    for (const QString& c : columns) tests << c + QStringLiteral("=?");
    return tests.join(QStringLiteral(" and "));
}

namespace {
QVariantList Bound(const QStringList& values) {
    QVariantList out;
    out.reserve(values.size());
    for (const QString& v : values) out << v;
    return out;
}
}  // namespace

Statement ExistsStatement(const QString& table, const QString& code) {
    return {QStringLiteral("Select count(*) From ") + table + QStringLiteral(" WHERE Id=?"), {code}};
}

Statement InsertStatement(const QString& table, const QStringList& columns, const QStringList& values) {
    QStringList marks;
    for (qsizetype i = 0; i < columns.size(); ++i) marks << QStringLiteral("?");
    return {QStringLiteral("Insert Into ") + table + QStringLiteral(" (") +
                columns.join(QStringLiteral(", ")) + QStringLiteral(") Values(") +
                marks.join(QLatin1Char(',')) + QLatin1Char(')'),
            Bound(values)};
}

Statement UpdateStatement(const QString& table, const QStringList& columns, const QStringList& values,
                          const RecordKey& key) {
    QStringList sets;
    QStringList setValues;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        if (columns[i] == QLatin1String("Id")) continue;  // the code is what the row is found by
        sets << columns[i] + QStringLiteral("=?");
        setValues << values.value(i);
    }
    return {QStringLiteral("Update ") + table + QStringLiteral(" Set ") + sets.join(QStringLiteral(", ")) +
                QStringLiteral(" where ") + key.where(),
            Bound(setValues + key.values)};
}

Statement DeleteStatement(const QString& table, const RecordKey& key) {
    return {QStringLiteral("Delete From ") + table + QStringLiteral(" Where ") + key.where(),
            Bound(key.values)};
}

Statement ColumnStatement(const QString& table, const QString& column, const RecordKey& key) {
    return {QStringLiteral("select ") + column + QStringLiteral(" from ") + table +
                QStringLiteral(" where ") + key.where(),
            Bound(key.values)};
}

Statement OpenMovementsStatement(const QString& column, const QString& code) {
    return {QStringLiteral("select count(*) from TransPerpus where ") + column +
                QStringLiteral("=? and Status<1 and ifnull(KodeTrans,'')<>'KUNJUNG'"),
            {code}};
}

}  // namespace zelkor
