#pragma once
// Holidays read from a file: a .csv of "date,name" lines (the date as people write
// it, "2026-12-25" or "25-12-2026"; ";" or tab also separate) or an .ics calendar
// (each VEVENT's DTSTART, DTEND and SUMMARY). Bad lines do not stop the good ones.
#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

namespace zelkor {

struct Holiday {
    QDate date;
    QString name;
};

struct HolidayFile {
    std::vector<Holiday> holidays;
    QStringList badLines;  // "baris 4: 31-02-2026,Libur", as the operator is shown them
};

HolidayFile ReadHolidayCsv(const QString& text);
HolidayFile ReadHolidayIcs(const QString& text);

// By the file's name: .ics is a calendar, anything else is read as .csv.
HolidayFile ReadHolidayFile(const QString& fileName, const QString& text);

}  // namespace zelkor
