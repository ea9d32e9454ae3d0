#include "catalogue.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "bulk_insert.h"

namespace zelkor::demo {

namespace {

struct KindPlan {
    ItemKind kind;
    const char* prefix;
    int perThousand;  // items of this kind in every thousand
    double forRent;   // share of them that is rented out
    int fines[3];     // Denda picked from these (0 = no fine), unused slots -1
    int stockMin, stockMax;
    char shelf;
    int shelves;
};

const KindPlan kKinds[] = {
    {ItemKind::Textbook, "BP", 400, 0.0, {500, 1000, -1}, 3, 25, 'A', 8},
    {ItemKind::NonFiction, "BU", 250, 0.05, {0, 500, 1000}, 1, 5, 'B', 8},
    {ItemKind::Novel, "NV", 150, 0.4, {1000, -1, -1}, 1, 4, 'C', 6},
    {ItemKind::Comic, "KM", 100, 0.8, {500, -1, -1}, 1, 3, 'D', 4},
    {ItemKind::Magazine, "MJ", 50, 0.0, {0, 500, -1}, 1, 2, 'E', 2},
    {ItemKind::Video, "DV", 50, 0.7, {2000, -1, -1}, 1, 2, 'F', 2},
};

// Member categories with their loan periods and visit prices; teachers visit free.
const Category kCategories[] = {
    {"Siswa", 7, 500}, {"Guru", 14, 0}, {"Mahasiswa", 10, 1000}, {"Umum", 5, 2000}};
const int kCategoryShare[] = {60, 10, 10, 20};  // percent of the members
const int kAgeFrom[] = {13, 25, 18, 10};
const int kAgeTo[] = {18, 58, 24, 70};

std::string code(const char* prefix, long long number, int width) {
    std::string digits = std::to_string(number);
    if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), '0');
    return prefix + digits;
}

int digits(long long n) {
    int d = 1;
    while (n >= 10) n /= 10, ++d;
    return d;
}

template <typename T>
void shuffle(std::vector<T>& v, Rng& rng) {
    for (int i = static_cast<int>(v.size()) - 1; i > 0; --i) std::swap(v[i], v[rng.below(i + 1)]);
}

Item makeItem(const KindPlan& k, const std::string& id, int year, Rng& rng) {
    Item it;
    it.id = id;
    it.name = RandomTitle(k.kind, rng, year);
    switch (k.kind) {
        case ItemKind::Magazine:
            it.author = "Tim Redaksi";
            break;
        case ItemKind::Video:
            it.author = "Tim " + RandomPublisher(rng);
            break;
        default:
            it.author = RandomAuthor(rng);
    }
    it.year = std::to_string(rng.between(1998, year - 1));
    it.publisher = RandomPublisher(rng);
    if (k.kind != ItemKind::Magazine && k.kind != ItemKind::Video) it.isbn = RandomIsbn(rng);
    int fine;
    do fine = k.fines[rng.below(3)];
    while (fine < 0);
    it.fine = fine;
    it.stock = rng.between(k.stockMin, k.stockMax);
    if (rng.chance(k.forRent)) it.price = 500 * rng.between(k.kind == ItemKind::Video ? 6 : 2, 10);
    it.shelf = std::string(1, k.shelf) + std::to_string(rng.between(1, k.shelves));
    return it;
}

std::string birthDate(int year, Rng& rng) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", year, rng.between(1, 12), rng.between(1, 28));
    return buf;
}

}  // namespace

Catalogue MakeCatalogue(int scale, const Calendar& calendar, Rng& rng) {
    Catalogue c;
    const int year = calendar.year();
    const long long itemCount = 1000LL * scale;
    const int itemWidth = std::max(5, digits(itemCount));
    c.items.reserve(itemCount);
    for (const KindPlan& k : kKinds) {
        const long long n = static_cast<long long>(k.perThousand) * scale;
        for (long long i = 1; i <= n; ++i)
            c.items.push_back(makeItem(k, code(k.prefix, i, itemWidth), year, rng));
    }
    for (int i = 0; i < static_cast<int>(c.items.size()); ++i)
        (c.items[i].price > 0 ? c.rentable : c.lendable).push_back(i);
    // Which titles are popular has nothing to do with their codes.
    shuffle(c.lendable, rng);
    shuffle(c.rentable, rng);

    c.categories.assign(std::begin(kCategories), std::end(kCategories));
    const long long memberCount = 200LL * scale;
    const int memberWidth = std::max(5, digits(memberCount));
    c.members.reserve(memberCount);
    for (long long i = 1; i <= memberCount; ++i) {
        Member m;
        m.id = code("M", i, memberWidth);
        const Person p = RandomPerson(rng);
        m.name = p.name;
        m.sex = p.sex == Sex::Male ? "Laki-laki" : "Perempuan";
        int roll = rng.below(100);
        while (roll >= kCategoryShare[m.category]) roll -= kCategoryShare[m.category++];
        m.loanDays = kCategories[m.category].loanDays;
        if (m.category == 0 && rng.chance(0.1)) m.loanDays = 3;  // first-year pupils, kept short
        m.birthPlace = RandomCity(rng);
        m.birthDate = birthDate(year - rng.between(kAgeFrom[m.category], kAgeTo[m.category]), rng);
        m.address = RandomAddress(rng);
        // Members who left (status "0") came only during the first part of the history.
        m.active = !rng.chance(0.08);
        m.activeUntil = m.active ? calendar.lastDay() : rng.below(calendar.lastDay() * 4 / 5 + 1);
        c.members.push_back(std::move(m));
    }
    return c;
}

long long WriteLostItems(sqlite3* db, Catalogue& c, Calendar& calendar, int count, Rng& rng) {
    static const char* const kRemarks[] = {"Hilang saat dipinjam",
                                           "Rusak terkena air hujan",
                                           "Halaman sobek, tidak dapat dipakai lagi",
                                           "Tidak dikembalikan, anggota pindah sekolah",
                                           "Dimakan rayap",
                                           "Hilang di ruang baca"};
    BulkInsert insert(db,
                      "insert into ItemHilang (Id, Tgl, IdItemPerpus, Jumlah, Pelapor, Keterangan, Ops) "
                      "values (?, ?, ?, ?, ?, ?, ?)");
    const auto& days = calendar.openDays();
    for (int i = 0; i < count; ++i) {
        Item* item;
        do item = &c.items[rng.below(static_cast<int>(c.items.size()))];
        while (item->stock < 1);
        const int lost = std::min(item->stock, rng.chance(0.8) ? 1 : 2);
        item->stock -= lost;
        const int day = days[rng.below(static_cast<int>(days.size()))];
        const int second = calendar.takeSeconds(day, 1, rng).front();
        const std::string id = calendar.compact(day) + Calendar::clock(second);
        std::string reporter = rng.chance(0.7) ? c.members[rng.below(static_cast<int>(c.members.size()))].name
                                               : std::string("Siti");
        for (char& ch : reporter) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        const std::string jumlah = std::to_string(lost);
        insert.row({id, calendar.iso(day), item->id, jumlah, reporter, rng.pick(kRemarks),
                    rng.chance(0.5) ? "siti" : "admin"});
    }
    return insert.count();
}

void WriteItems(sqlite3* db, const Catalogue& c) {
    BulkInsert insert(db,
                      "insert into ItemPerpus (Id, NamaItem, Pengarang, HakCipta, Penerbit, ISBN, Denda, "
                      "JmlStock, Rental, HargaRental, Rak) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (const Item& it : c.items) {
        const std::string fine = std::to_string(it.fine), stock = std::to_string(it.stock),
                          price = std::to_string(it.price);
        insert.row({it.id, it.name, it.author, it.year, it.publisher, it.isbn, fine, stock,
                    it.price > 0 ? "1" : "0", price, it.shelf});
    }
}

void WriteTariffs(sqlite3* db, const Catalogue& c) {
    // As the tariff form writes them: nothing but these four columns.
    BulkInsert insert(db,
                      "insert into ItemPerpus (Id, NamaItem, Pengarang, HargaRental) values (?, ?, ?, ?)");
    for (const Category& cat : c.categories) {
        const std::string price = std::to_string(cat.tariff);
        insert.row({"KUNJUNG", "BERKUNJUNG", cat.name, price});
    }
}

void WriteMembers(sqlite3* db, const Catalogue& c) {
    BulkInsert insert(db,
                      "insert into Member (Id, Nama, LP, TmpLahir, TglLahir, Alamat, Kategori, DurasiPinjam, "
                      "Status) values (?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (const Member& m : c.members) {
        const std::string days = std::to_string(m.loanDays);
        insert.row({m.id, m.name, m.sex, m.birthPlace, m.birthDate, m.address, c.categories[m.category].name,
                    days, m.active ? "1" : "0"});
    }
}

}  // namespace zelkor::demo
