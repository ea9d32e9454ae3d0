#pragma once
// Workbooks made the way a person's spreadsheet program makes them, for the
// import tests: .xlsx through libxlsxwriter, .xls through xlwt and .ods through
// odfpy (make_workbook.py), .csv by hand.
//
// A workbook is a list of sheets; a cell is a QJsonValue: null (empty), a string,
// a number, or an object {"date": "2016-03-07"}, {"datetime": "2016-03-07T10:30:00"},
// {"formula": "3+4", "value": 7}, {"bool": true}.
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace zelkor::test {

struct WorkbookSheet {
    QString name;
    QList<QJsonArray> rows;
    QList<QList<int>> merges;  // {firstRow, firstCol, lastRow, lastCol}
};

// The formats a person saves a list in.
inline const QStringList kWorkbookFormats = {"xls", "xlsx", "ods", "csv"};

// Writes `sheets` into `dir` as `<stem>.<format>` and returns its path; empty (and a
// test failure) when it could not. A CSV holds the first sheet only, its cells
// separated by `csvSeparator`, a date as the "dd/mm/yyyy" text Excel would save.
QString WriteWorkbook(const QString& dir, const QString& stem, const QString& format,
                      const QList<WorkbookSheet>& sheets, QChar csvSeparator = ';');

// Cell helpers.
inline QJsonValue DateCell(const QString& iso) {
    return QJsonObject{{"date", iso}};
}
inline QJsonValue FormulaCell(const QString& formula, double value) {
    return QJsonObject{{"formula", formula}, {"value", value}};
}

}  // namespace zelkor::test
