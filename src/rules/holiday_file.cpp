#include "rules/holiday_file.h"

#include <QRegularExpression>

#include "core/dates.h"

namespace zelkor {

namespace {

QString BadLine(int number, const QString& line) {
    return QStringLiteral("baris %1: %2").arg(number).arg(line.trimmed());
}

// "20261225", "20261225T000000Z": the date part.
QDate IcsDate(const QString& value) {
    return QDate::fromString(value.left(8), QStringLiteral("yyyyMMdd"));
}

QString IcsText(QString value) {
    value.replace(QLatin1String("\\,"), QLatin1String(","));
    value.replace(QLatin1String("\\;"), QLatin1String(";"));
    value.replace(QLatin1String("\\n"), QLatin1String(" "));
    value.replace(QLatin1String("\\\\"), QLatin1String("\\"));
    return value.trimmed();
}

}  // namespace

HolidayFile ReadHolidayCsv(const QString& text) {
    static const QRegularExpression separator(QStringLiteral("[,;\\t]"));
    HolidayFile out;
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\\r\\n|\\n|\\r")));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i];
        if (line.trimmed().isEmpty()) continue;
        const int cut = line.indexOf(separator);
        QString dateText = (cut < 0 ? line : line.left(cut)).trimmed();
        QString name = cut < 0 ? QString() : line.mid(cut + 1).trimmed();
        dateText.remove(QLatin1Char('"'));
        if (name.size() >= 2 && name.startsWith(QLatin1Char('"')) && name.endsWith(QLatin1Char('"')))
            name = name.mid(1, name.size() - 2).replace(QLatin1String("\"\""), QLatin1String("\""));
        const QDate date = ParseWrittenDate(dateText);
        if (date.isValid()) {
            out.holidays.push_back({date, name});
        } else if (i > 0 || !dateText.contains(QRegularExpression(QStringLiteral("^[A-Za-z ]+$")))) {
            out.badLines << BadLine(i + 1, line);  // a first line of words is a heading
        }
    }
    return out;
}

HolidayFile ReadHolidayIcs(const QString& text) {
    HolidayFile out;
    // Unfold: a line starting with a blank continues the one before it.
    QStringList lines;
    QList<int> numbers;
    const QStringList raw = text.split(QRegularExpression(QStringLiteral("\\r\\n|\\n|\\r")));
    for (int i = 0; i < raw.size(); ++i) {
        if (!lines.isEmpty() && (raw[i].startsWith(QLatin1Char(' ')) || raw[i].startsWith(QLatin1Char('\t'))))
            lines.back() += raw[i].mid(1);
        else {
            lines << raw[i];
            numbers << i + 1;
        }
    }
    bool inEvent = false;
    int eventLine = 0;
    QString start, end, summary;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        const int colon = line.indexOf(QLatin1Char(':'));
        const QString key =
            line.left(colon < 0 ? line.size() : colon).section(QLatin1Char(';'), 0, 0).toUpper();
        const QString value = colon < 0 ? QString() : line.mid(colon + 1);
        if (line.compare(QLatin1String("BEGIN:VEVENT"), Qt::CaseInsensitive) == 0) {
            inEvent = true;
            eventLine = numbers[i];
            start.clear();
            end.clear();
            summary.clear();
        } else if (inEvent && line.compare(QLatin1String("END:VEVENT"), Qt::CaseInsensitive) == 0) {
            inEvent = false;
            const QDate first = IcsDate(start);
            if (!first.isValid()) {
                out.badLines << BadLine(eventLine,
                                        QStringLiteral("DTSTART:") + start + QLatin1Char(' ') + summary);
                continue;
            }
            // DTEND is the day after the last; a long event is a holiday on each of its days.
            QDate last = IcsDate(end).isValid() ? IcsDate(end).addDays(-1) : first;
            if (last < first || first.daysTo(last) > 366) last = first;
            for (QDate d = first; d <= last; d = d.addDays(1)) out.holidays.push_back({d, IcsText(summary)});
        } else if (inEvent && key == QLatin1String("DTSTART")) {
            start = value.trimmed();
        } else if (inEvent && key == QLatin1String("DTEND")) {
            end = value.trimmed();
        } else if (inEvent && key == QLatin1String("SUMMARY")) {
            summary = value;
        }
    }
    return out;
}

HolidayFile ReadHolidayFile(const QString& fileName, const QString& text) {
    if (fileName.endsWith(QLatin1String(".ics"), Qt::CaseInsensitive)) return ReadHolidayIcs(text);
    return ReadHolidayCsv(text);
}

}  // namespace zelkor
