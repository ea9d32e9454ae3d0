#pragma once
// The report and history statements as they were first written: every month (or
// year) chosen by comparing the first characters of the date with substr(), which
// reads every row of the table. The tests check that the statements the forms run
// give exactly these rows in this order, and the benchmark times both.
#include <QString>

#include "ui/month_list.h"

namespace zelkor::reference {

// The statement for ReportCode `code`, values spliced in as digits; empty for an
// unknown code. Report "0004" prices every visit by the first "KUNJUNG" row met.
inline QString ReportSql(const QString& code, int year, int month) {
    const QString y = QStringLiteral("%1").arg(year, 4, 10, QLatin1Char('0'));
    const QString ym = MonthPrefix(year, month);
    const QString names = QStringLiteral(
        "(select Nama from member where member.id=transperpus.idmember), "
        "(select NamaItem from ItemPerpus where ItemPerpus.id=transperpus.iditemperpus), ");
    if (code == "0001")
        return "select TglPinjam, " + names +
               "TglKembali, (select HargaRental from ItemPerpus where "
               "ItemPerpus.id=transperpus.iditemperpus) "
               "from TransPerpus where substr(TglPinjam,1,7)='" +
               ym + "' And status<1 and KodeTrans='RENTAL'";
    if (code == "0002")
        return "select TglPinjam, " + names + "TglKembali from TransPerpus where substr(TglPinjam,1,7)='" +
               ym + "' And KodeTrans='PINJAM'";
    if (code == "0003")
        return "select TglReturn, " + names +
               "TglKembali, KodeTrans from TransPerpus where substr(TglReturn,1,7)='" + ym + "' And status>0";
    if (code == "0004")
        return "select TglPinjam, (select Nama from member where member.id=transperpus.idmember), "
               "(select Kategori from Member where member.id=transperpus.idmember),"
               "(select HargaRental from ItemPerpus where ItemPerpus.id='KUNJUNG') from TransPerpus "
               "where substr(TglPinjam,1,7)='" +
               ym + "' And KodeTrans='KUNJUNG'";
    if (code == "0005")
        return QStringLiteral(
            "select Id, NamaItem, JmlStock, (select count(*) from TransPerpus Where "
            "TransPerpus.IdItemPerpus=ItemPerpus.Id And Status<1) as Dipinjam, "
            "JmlStock-(Select count(*) from TransPerpus Where TransPerpus.IdItemPerpus=ItemPerpus.Id And "
            "Status<1) "
            "as Jml from itemperpus where Id<>'KUNJUNG' and Dipinjam>0");
    if (code == "0006")
        return "select Tgl, (select NamaItem from ItemPerpus where ItemPerpus.id=ItemHilang.IdItemPerpus), "
               "Jumlah, Pelapor, Keterangan from ItemHilang where substr(Tgl,1,4)='" +
               y + "' order by Tgl, Id";  // by date, as a list of losses is read
    if (code == "0007")
        return "select Tanggal, Uraian, Masuk from Kas where substr(Tanggal,1,7)='" + ym +
               "' And Kategori='Penerimaan Administrasi Peminjaman'";
    return {};
}

// The history of a month, as chosen in the month list.
inline QString HistorySql(int year, int month) {
    const QString first = MonthPrefix(year, month) + QStringLiteral("-01");
    return "select Id, TglPinjam, KodeTrans, (Select NamaItem from ItemPerpus where Id=IdItemPerpus), "
           "(Select Nama from Member where Id=IdMember), TglKembali, Ops from TransPerpus WHERE TglPinjam "
           "between '" +
           first + "' and date('" + first + "','start of month','+1 month','-1 day') Order By Id";
}

}  // namespace zelkor::reference
