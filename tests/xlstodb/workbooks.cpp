#include "workbooks.h"

#include <gtest/gtest.h>
#include <xlsxwriter.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QJsonDocument>

#include "support/run_program.h"

namespace zelkor::test {

namespace {

lxw_datetime toLxw(const QDateTime& t) {
    return {t.date().year(), t.date().month(),  t.date().day(),
            t.time().hour(), t.time().minute(), static_cast<double>(t.time().second())};
}

bool writeXlsx(const QString& path, const QList<WorkbookSheet>& sheets) {
    const QByteArray file = path.toUtf8();
    lxw_workbook* book = workbook_new(file.constData());
    if (!book) return false;
    lxw_format* date = workbook_add_format(book);
    format_set_num_format(date, "dd/mm/yyyy");
    lxw_format* dateTime = workbook_add_format(book);
    format_set_num_format(dateTime, "dd/mm/yyyy hh:mm");
    for (const WorkbookSheet& s : sheets) {
        lxw_worksheet* sheet = workbook_add_worksheet(book, s.name.toUtf8().constData());
        for (const QList<int>& m : s.merges) {
            const QJsonValue first = s.rows.value(m[0]).at(m[1]);
            worksheet_merge_range(sheet, m[0], m[1], m[2], m[3], first.toString().toUtf8().constData(),
                                  nullptr);
        }
        for (int r = 0; r < s.rows.size(); ++r) {
            for (int c = 0; c < s.rows[r].size(); ++c) {
                const QJsonValue v = s.rows[r].at(c);
                const bool merged = std::any_of(s.merges.begin(), s.merges.end(), [&](const QList<int>& m) {
                    return r >= m[0] && r <= m[2] && c >= m[1] && c <= m[3];
                });
                if (v.isNull() || merged) continue;
                if (v.isString()) {
                    worksheet_write_string(sheet, r, c, v.toString().toUtf8().constData(), nullptr);
                } else if (v.isDouble()) {
                    worksheet_write_number(sheet, r, c, v.toDouble(), nullptr);
                } else if (v.isObject()) {
                    const QJsonObject o = v.toObject();
                    if (o.contains("date") || o.contains("datetime")) {
                        const bool withTime = o.contains("datetime");
                        lxw_datetime t = toLxw(QDateTime::fromString(
                            withTime ? o["datetime"].toString() : o["date"].toString() + "T00:00:00",
                            Qt::ISODate));
                        worksheet_write_datetime(sheet, r, c, &t, withTime ? dateTime : date);
                    } else if (o.contains("formula")) {
                        worksheet_write_formula_num(sheet, r, c,
                                                    ("=" + o["formula"].toString()).toUtf8().constData(),
                                                    nullptr, o["value"].toDouble());
                    } else if (o.contains("bool")) {
                        worksheet_write_boolean(sheet, r, c, o["bool"].toBool(), nullptr);
                    }
                }
            }
        }
    }
    return workbook_close(book) == LXW_NO_ERROR;
}

QString csvCell(const QJsonValue& v, QChar separator) {
    QString text;
    if (v.isString()) {
        text = v.toString();
    } else if (v.isDouble()) {
        text = QString::number(v.toDouble(), 'g', 15);
    } else if (v.isObject()) {
        const QJsonObject o = v.toObject();
        if (o.contains("date"))
            text = QDate::fromString(o["date"].toString(), Qt::ISODate).toString("dd/MM/yyyy");
        if (o.contains("formula")) text = QString::number(o["value"].toDouble(), 'g', 15);
        if (o.contains("bool")) text = o["bool"].toBool() ? "TRUE" : "FALSE";
    }
    if (text.contains(separator) || text.contains('"') || text.contains('\n'))
        text = '"' + QString(text).replace("\"", "\"\"") + '"';
    return text;
}

bool writeCsv(const QString& path, const WorkbookSheet& sheet, QChar separator) {
    QByteArray out;
    for (const QJsonArray& row : sheet.rows) {
        QStringList cells;
        for (const QJsonValue& v : row) cells << csvCell(v, separator);
        out += cells.join(separator).toUtf8() + "\r\n";
    }
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(out) == out.size();
}

bool writeWithPython(const QString& format, const QString& path, const QList<WorkbookSheet>& sheets) {
    QJsonArray list;
    for (const WorkbookSheet& s : sheets) {
        QJsonArray rows, merges;
        for (const QJsonArray& r : s.rows) rows.append(r);
        for (const QList<int>& m : s.merges) merges.append(QJsonArray{m[0], m[1], m[2], m[3]});
        list.append(QJsonObject{{"name", s.name}, {"rows", rows}, {"merge", merges}});
    }
    const QByteArray book = QJsonDocument(QJsonObject{{"sheets", list}}).toJson(QJsonDocument::Compact);
    const ProgramRun run = RunProgram(QStringLiteral(ZELKOR_SYSTEM_PYTHON),
                                      {QStringLiteral(ZELKOR_MAKE_WORKBOOK), format, "-", path}, book);
    EXPECT_TRUE(run.ok()) << run.err.toStdString();
    return run.ok();
}

}  // namespace

QString WriteWorkbook(const QString& dir, const QString& stem, const QString& format,
                      const QList<WorkbookSheet>& sheets, QChar csvSeparator) {
    const QString path = QDir(dir).filePath(stem + "." + format);
    bool ok = false;
    if (format == "xlsx")
        ok = writeXlsx(path, sheets);
    else if (format == "csv")
        ok = !sheets.isEmpty() && writeCsv(path, sheets.first(), csvSeparator);
    else
        ok = writeWithPython(format, path, sheets);
    EXPECT_TRUE(ok) << "could not write " << path.toStdString();
    return ok ? path : QString();
}

}  // namespace zelkor::test
