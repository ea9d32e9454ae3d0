#include "cashbook.h"

#include <string>

#include "bulk_insert.h"
#include "names.h"

namespace zelkor::demo {

namespace {

struct Entry {
    const char* category;
    bool income;
    int weight;             // how often, relative to the others
    int fromK, toK, stepK;  // amount range in thousands of rupiah
    const char* texts[4];   // "%m" stands for the month, "%p" for a person
};

const Entry kEntries[] = {
    {"Sumbangan",
     true,
     10,
     100,
     2000,
     50,
     {"Sumbangan buku dari alumni", "Sumbangan komite sekolah", "Sumbangan dari %p",
      "Sumbangan orang tua murid"}},
    {"Dana BOS", true, 6, 1000, 5000, 250, {"Dana BOS untuk perpustakaan bulan %m", nullptr}},
    {"Iuran Anggota", true, 12, 50, 400, 10, {"Iuran anggota bulan %m", "Iuran kartu anggota baru"}},
    {"Penjualan Buku Bekas", true, 4, 20, 300, 5, {"Penjualan buku dan majalah bekas", nullptr}},
    {"Pembelian Buku",
     false,
     14,
     100,
     2500,
     25,
     {"Pembelian buku paket pelajaran", "Pembelian novel dan komik baru", "Pembelian buku referensi",
      "Langganan majalah bulan %m"}},
    {"ATK",
     false,
     16,
     10,
     300,
     5,
     {"Pembelian kertas HVS dan tinta printer", "Pembelian map, label dan lem",
      "Pembelian spidol dan buku tulis", "Pembelian plastik sampul buku"}},
    {"Listrik", false, 6, 150, 600, 10, {"Bayar listrik bulan %m", nullptr}},
    {"Perawatan",
     false,
     6,
     50,
     800,
     25,
     {"Perbaikan rak buku", "Servis komputer perpustakaan", "Penjilidan ulang buku rusak",
      "Perbaikan kipas angin"}},
    {"Fotokopi", false, 5, 5, 100, 5, {"Fotokopi formulir keanggotaan", "Fotokopi daftar koleksi baru"}},
    {"Konsumsi",
     false,
     5,
     20,
     300,
     10,
     {"Konsumsi rapat pengurus perpustakaan", "Konsumsi lomba baca puisi"}},
};

const Entry& pickEntry(Rng& rng) {
    int total = 0;
    for (const Entry& e : kEntries) total += e.weight;
    int roll = rng.below(total);
    for (const Entry& e : kEntries) {
        if (roll < e.weight) return e;
        roll -= e.weight;
    }
    return kEntries[0];
}

std::string describe(const Entry& e, int month, Rng& rng) {
    int n = 0;
    while (n < 4 && e.texts[n]) ++n;
    const std::string pattern = e.texts[rng.below(n)];
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == 'm') {
            out += MonthName(month);
            ++i;
        } else if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == 'p') {
            out += RandomPerson(rng).name;
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

}  // namespace

long long WriteManualJournal(sqlite3* db, Calendar& calendar, long long count, Rng& rng) {
    BulkInsert insert(
        db,
        "insert into Kas (Id, Tanggal, Kategori, Uraian, Masuk, Keluar, Ops) values (?, ?, ?, ?, ?, ?, ?)");
    const auto& days = calendar.openDays();
    for (long long i = 0; i < count; ++i) {
        const int day = days[rng.below(static_cast<int>(days.size()))];
        const int second = calendar.takeSeconds(day, 1, rng).front();
        const Entry& e = pickEntry(rng);
        const std::string id = calendar.compact(day) + Calendar::clock(second) + (e.income ? "01" : "02");
        const long long amount = 1000LL * (e.fromK + e.stepK * rng.between(0, (e.toK - e.fromK) / e.stepK));
        const std::string value = std::to_string(amount);
        const std::string text = describe(e, calendar.monthOf(day), rng);
        insert.row({id, calendar.iso(day), e.category, text, e.income ? value : "0", e.income ? "0" : value,
                    rng.chance(0.6) ? "admin" : "siti"});
    }
    return insert.count();
}

}  // namespace zelkor::demo
