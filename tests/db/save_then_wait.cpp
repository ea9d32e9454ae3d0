// A program that saves and is then killed, for the durability test: opens the
// library named by its first argument as the program does, saves N journal lines
// one transaction each, says "saved I" on stdout after each commit, and then waits
// to be killed.
#include <QCoreApplication>
#include <QThread>
#include <cstdio>

#include "db/database.h"
#include "db/library_file.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 3) return 2;
    QString error;
    auto db = zelkor::OpenLibrary(QString::fromLocal8Bit(argv[1]), &error);
    if (!db) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const int saves = std::atoi(argv[2]);
    for (int i = 1; i <= saves; ++i) {
        zelkor::Transaction t(*db);
        for (int line = 1; line <= 13; ++line)
            db->exec(QStringLiteral("insert into Kas (Id, Tanggal, Kategori, Masuk, Keluar, Ops) "
                                    "values (?, '2016-03-07', 'Penerimaan Rental', '6000', '0', 'admin')"),
                     {QStringLiteral("20160307090502%1-%2").arg(i).arg(line)});
        if (!t.commit()) return 1;
        std::printf("saved %d\n", i);
        std::fflush(stdout);
    }
    for (;;) QThread::sleep(60);
}
