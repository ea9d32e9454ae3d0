#include "sample_library.h"

#include <QDateTime>
#include <random>

#include "db/database.h"
#include "db/schema.h"

namespace zelkor::bench {

namespace {

const char* const kCategories[] = {"Umum", "Pelajar", "Mahasiswa", "Guru", "Tamu"};

QString MemberId(int i) {
    return QStringLiteral("M%1").arg(i, 5, 10, QLatin1Char('0'));
}
QString ItemId(int i) {
    return QStringLiteral("B%1").arg(i, 4, 10, QLatin1Char('0'));
}

bool Check(const DbResult& r, QString* error) {
    if (!r.ok && error) *error = r.error;
    return r.ok;
}

}  // namespace

bool BuildSampleLibrary(Database& db, const SampleSize& size, QString* error) {
    if (!Check(ApplySchema(db), error)) return false;
    std::mt19937 rng(20160307);
    Transaction tx(db);
    if (!Check(tx.beginResult(), error)) return false;

    for (int i = 0; i < size.members; ++i) {
        const QString cat = QString::fromLatin1(kCategories[i % 5]);
        if (!Check(
                db.exec(
                    "insert into Member (Id,Nama,LP,TmpLahir,TglLahir,Alamat,Kategori,DurasiPinjam,Status) "
                    "values (?,?,?,'Bandung','2005-01-01',?,?,'7',?)",
                    {MemberId(i), QStringLiteral("Anggota %1").arg(i), i % 2 ? "Perempuan" : "Laki-laki",
                     QStringLiteral("Jl. Mawar %1").arg(i % 300), cat, i % 20 == 0 ? "0" : "1"}),
                error))
            return false;
    }
    for (int i = 0; i < size.items; ++i) {
        const bool rental = i % 4 == 0;
        if (!Check(db.exec(
                       "insert into ItemPerpus "
                       "(Id,NamaItem,Pengarang,Penerbit,Denda,JmlStock,Rental,HargaRental,"
                       "Rak) values (?,?,?,?,'1000','3',?,?,'A1')",
                       {ItemId(i), QStringLiteral("Judul Buku %1").arg(i),
                        QStringLiteral("Pengarang %1").arg(i % 97), QStringLiteral("Penerbit %1").arg(i % 31),
                        rental ? "1" : "0", rental ? "2000" : "0"}),
                   error))
            return false;
    }
    for (const char* cat : kCategories)
        if (!Check(db.exec("insert into ItemPerpus (Id,NamaItem,Pengarang,HargaRental) "
                           "values ('KUNJUNG','BERKUNJUNG',?,'1500')",
                           {QString::fromLatin1(cat)}),
                   error))
            return false;

    // Carts of two movements, one every 30 seconds of opening hours; most returned.
    const QDateTime start(QDate(2012, 1, 2), QTime(8, 0, 0));
    const int carts = size.movements / 2;
    for (int c = 0; c < carts; ++c) {
        const QDateTime when = start.addSecs(static_cast<qint64>(c) * 30);
        const QString stamp = when.toString(QStringLiteral("yyyyMMddHHmmss"));
        const QString date = when.toString(QStringLiteral("yyyy-MM-dd"));
        const QString due = when.addDays(7).toString(QStringLiteral("yyyy-MM-dd"));
        const QString member = MemberId(static_cast<int>(rng() % size.members));
        for (int k = 1; k <= 2; ++k) {
            const int item = static_cast<int>(rng() % size.items);
            const bool rental = item % 4 == 0;
            const bool returned = rng() % 20 != 0;
            const QString id = stamp + QString::number(k);
            if (!Check(db.exec(
                           "insert into TransPerpus (Id,TglPinjam,IdMember,KodeTrans,IdItemPerpus,TglKembali,"
                           "Status,Ops,TglReturn) values (?,?,?,?,?,?,?,'admin',?)",
                           {id, date, member, rental ? "RENTAL" : "PINJAM", ItemId(item), due,
                            returned ? "1" : "0", returned ? QVariant(due) : QVariant()}),
                       error))
                return false;
            if (rental &&
                !Check(db.exec("insert into Kas (Id,Tanggal,Kategori,Uraian,Masuk,Keluar,Ops) "
                               "values (?,?,'Penerimaan Rental',?,'6000','0','admin')",
                               {id, date, QStringLiteral("Penerimaan Rental Judul Buku %1").arg(item)}),
                       error))
                return false;
        }
    }
    return Check(tx.commit(), error);
}

}  // namespace zelkor::bench
