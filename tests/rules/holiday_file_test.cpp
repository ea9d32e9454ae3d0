// Holiday files: the good lines load, the bad ones are listed.
#include <gtest/gtest.h>

#include "core/dates.h"
#include "rules/holiday_file.h"
#include "support/qstring_print.h"

using namespace zelkor;

namespace {

QStringList Listed(const HolidayFile& f) {
    QStringList out;
    for (const Holiday& h : f.holidays) out << IsoDate(h.date) + QLatin1Char(' ') + h.name;
    return out;
}

}  // namespace

TEST(HolidayFileTest, GoodLinesLoadAndBadOnesAreListed) {
    const HolidayFile csv = ReadHolidayFile("libur.csv",
                                            "Tanggal,Nama\r\n2026-12-25,Hari Natal\n01-01-2027;\"Tahun Baru, "
                                            "2027\"\n31-02-2027,Salah\n\nbesok,Libur\n");
    EXPECT_EQ(Listed(csv), QStringList({"2026-12-25 Hari Natal", "2027-01-01 Tahun Baru, 2027"}));
    EXPECT_EQ(csv.badLines, QStringList({"baris 4: 31-02-2027,Salah", "baris 6: besok,Libur"}));

    const HolidayFile ics =
        ReadHolidayFile("libur.ICS",
                        "BEGIN:VCALENDAR\r\n"
                        "BEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20270101\r\nSUMMARY:Tahun Baru\r\nEND:VEVENT\r\n"
                        "BEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20270331\r\nDTEND;VALUE=DATE:20270402\r\n"
                        "SUMMARY:Idul\r\n  Fitri\\, cuti\r\nEND:VEVENT\r\n"
                        "BEGIN:VEVENT\r\nDTSTART:kemarin\r\nSUMMARY:Rusak\r\nEND:VEVENT\r\n"
                        "END:VCALENDAR\r\n");
    EXPECT_EQ(Listed(ics), QStringList({"2027-01-01 Tahun Baru", "2027-03-31 Idul Fitri, cuti",
                                        "2027-04-01 Idul Fitri, cuti"}));
    EXPECT_EQ(ics.badLines, QStringList({"baris 12: DTSTART:kemarin Rusak"}));
}
