#include "support/fixture.h"

#include <sqlite3.h>

#include "db/journal.h"
#include "db/schema.h"

namespace zelkor::test {

TestEnv::TestEnv() {
    QString error;
    const QString path = dir_.filePath(QStringLiteral("test.db"));
    auto db = Database::open(path, &error);
    if (!db) ADD_FAILURE() << "cannot open test database: " << error.toStdString();
    const DbResult r = ApplySchema(*db);
    if (!r.ok) ADD_FAILURE() << "schema: " << r.error.toStdString();
    ChooseJournal(*db, JournalFor(path));  // as the program opens a library
    ctx_ = std::make_unique<AppContext>(std::move(db), AppServices{messages, clock, files, printers});
    messages.insideTransaction = [this] { return ctx_ && sqlite3_get_autocommit(ctx_->db().handle()) == 0; };
    ctx_->databasePath = path;
    ctx_->todayText = QStringLiteral("2016-03-07");
    ctx_->currentOperator = QStringLiteral("admin");
    ctx_->libraryName = QStringLiteral("Perpus Harapan");
    ctx_->libraryAddress = QStringLiteral("Jl. Merdeka No. 5");
    ctx_->libraryPhone = QStringLiteral("0211234567");
    ctx_->libraryEmail = QStringLiteral("perpus@harapan.sch.id");
    ctx_->workDir = dir_.path();
    ctx_->programDir = dir_.path();
}

void TestEnv::exec(const QString& sql, const QVariantList& values) {
    const DbResult r = db().exec(sql, values);
    if (!r.ok) ADD_FAILURE() << sql.toStdString() << ": " << r.error.toStdString();
}

QString TestEnv::scalar(const QString& sql, const QVariantList& values) {
    return db().scalar(sql, values);
}

QStringList TestEnv::rows(const QString& sql, const QVariantList& values) {
    QStringList out;
    const DbResult r = db().exec(sql, values, [&](const DbRow& row) {
        QStringList cells;
        for (int i = 0; i < row.columnCount(); ++i)
            cells << (row.isNull(i) ? QStringLiteral("NULL") : row.text(i));
        out << cells.join('|');
    });
    if (!r.ok) ADD_FAILURE() << sql.toStdString() << ": " << r.error.toStdString();
    return out;
}

void TestEnv::addMember(const QString& id, const QString& nama, const QString& kategori, int durasi,
                        const QString& status, const QString& alamat) {
    exec(
        "insert into Member (Id,Nama,LP,TmpLahir,TglLahir,Alamat,Kategori,DurasiPinjam,Status) "
        "values (?,?,'Laki-laki','Bandung','2005-01-01',?,?,?,?)",
        {id, nama, alamat, kategori, QString::number(durasi), status});
}

void TestEnv::addItem(const QString& id, const QString& nama, int denda, int hargaRental,
                      const QString& pengarang, const QString& penerbit) {
    exec(
        "insert into ItemPerpus "
        "(Id,NamaItem,Pengarang,HakCipta,Penerbit,ISBN,Denda,JmlStock,Rental,HargaRental,Rak) "
        "values (?,?,?,'',?,'',?,'3',?,?,'A1')",
        {id, nama, pengarang, penerbit, QString::number(denda), hargaRental > 0 ? "1" : "0",
         QString::number(hargaRental)});
}

void TestEnv::addTariff(const QString& kategori, const QString& harga) {
    exec("insert into ItemPerpus (Id,NamaItem,Pengarang,HargaRental) values ('KUNJUNG','BERKUNJUNG',?,?)",
         {kategori, harga});
}

}  // namespace zelkor::test
