#include "circulation.h"

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "bulk_insert.h"

namespace zelkor::demo {

namespace {

enum class Kind { Loan, Rental, Visit };

struct PendingReturn {
    int member;
    int item;
    int due;
};

struct Cart {
    int member;
    std::vector<PendingReturn> returns;
    int newRows;
};

// New rows per cart: mostly one or two.
int cartSize(Rng& rng) {
    const int roll = rng.below(100);
    return roll < 50 ? 1 : roll < 80 ? 2 : roll < 95 ? 3 : 4;
}

class Desk {
  public:
    Desk(sqlite3* db, const Catalogue& c, Calendar& cal, Rng& rng)
        : c_(c),
          cal_(cal),
          rng_(rng),
          trans_(db,
                 "insert into TransPerpus (Id, TglPinjam, IdMember, KodeTrans, IdItemPerpus, TglKembali, "
                 "Status, "
                 "Ops, TglReturn) values (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
          kas_(db,
               "insert into Kas (Id, Tanggal, Kategori, Uraian, Masuk, Keluar, Ops) values (?, ?, ?, ?, ?, "
               "?, ?)"),
          returnsByDay_(cal.lastDay() + 1) {}

    DeskHistory run(long long movements);

  private:
    std::vector<Cart> cartsOfDay(int day, int newCarts, std::vector<int>& sizes, std::size_t& nextSize);
    int anyMember(int day);
    int pick(const std::vector<int>& items);
    void save(int day, int second, const Cart& cart);
    // Movement row of a loan or rental, returned as planned when that day has come.
    void lend(const std::string& id, int day, const Member& m, int memberIndex, const Item& item,
              int itemIndex, int due, bool rental, const std::string& ops);
    void book(const std::string& id, int day, const char* category, const std::string& text, long long amount,
              const std::string& ops);

    const Catalogue& c_;
    Calendar& cal_;
    Rng& rng_;
    BulkInsert trans_, kas_;
    std::vector<std::vector<PendingReturn>> returnsByDay_;
    DeskHistory h_;
};

DeskHistory Desk::run(long long movements) {
    std::vector<int> sizes;
    for (long long total = 0; total < movements;) {
        const int n = static_cast<int>(std::min<long long>(cartSize(rng_), movements - total));
        sizes.push_back(n);
        total += n;
    }
    const auto& open = cal_.openDays();
    std::vector<int> perDay(cal_.lastDay() + 1, 0);
    for (std::size_t i = 0; i < sizes.size(); ++i) ++perDay[open[rng_.below(static_cast<int>(open.size()))]];

    std::size_t nextSize = 0;
    for (int day : open) {
        std::vector<Cart> carts = cartsOfDay(day, perDay[day], sizes, nextSize);
        const std::vector<int> seconds = cal_.takeSeconds(day, static_cast<int>(carts.size()), rng_);
        for (std::size_t i = 0; i < carts.size(); ++i) save(day, seconds[i], carts[i]);
        returnsByDay_[day] = {};
    }
    return h_;
}

// The day's carts: the new ones, some of them brought by members who also return
// items today, and a return-only cart for every other member whose items are due back.
std::vector<Cart> Desk::cartsOfDay(int day, int newCarts, std::vector<int>& sizes, std::size_t& nextSize) {
    std::vector<PendingReturn>& due = returnsByDay_[day];
    std::stable_sort(due.begin(), due.end(),
                     [](const PendingReturn& a, const PendingReturn& b) { return a.member < b.member; });
    std::vector<std::vector<PendingReturn>> groups;
    for (std::size_t i = 0; i < due.size(); ++i) {
        if (i == 0 || due[i].member != due[i - 1].member) groups.emplace_back();
        groups.back().push_back(due[i]);
    }
    std::vector<Cart> carts;
    for (int i = 0; i < newCarts; ++i) {
        Cart cart{-1, {}, sizes[nextSize++]};
        if (!groups.empty() && rng_.chance(0.5)) {
            const int g = rng_.below(static_cast<int>(groups.size()));
            cart.returns = std::move(groups[g]);
            groups[g] = std::move(groups.back());
            groups.pop_back();
            cart.member = cart.returns.front().member;
        } else {
            cart.member = anyMember(day);
        }
        carts.push_back(std::move(cart));
    }
    for (auto& g : groups) carts.push_back(Cart{g.front().member, std::move(g), 0});
    for (int i = static_cast<int>(carts.size()) - 1; i > 0; --i)
        std::swap(carts[i], carts[rng_.below(i + 1)]);
    return carts;
}

int Desk::anyMember(int day) {
    for (;;) {
        const int m = rng_.below(static_cast<int>(c_.members.size()));
        if (c_.members[m].activeUntil >= day) return m;
    }
}

// A few titles are borrowed far more often than the rest.
int Desk::pick(const std::vector<int>& items) {
    const double u = rng_.unit();
    return items[static_cast<std::size_t>(u * u * static_cast<double>(items.size()))];
}

void Desk::save(int day, int second, const Cart& cart) {
    const Member& m = c_.members[cart.member];
    const std::string stamp = cal_.compact(day) + Calendar::clock(second);
    const std::string& date = cal_.iso(day);
    const std::string ops = rng_.chance(0.7) ? "siti" : "admin";
    int no = 0, lastBooked = 0;
    long long total = 0;
    ++h_.carts;

    for (const PendingReturn& r : cart.returns) {
        ++no;
        const Item& item = c_.items[r.item];
        const long long fine = day > r.due ? static_cast<long long>(day - r.due) * item.fine : 0;
        if (fine > 0) {
            book(stamp + std::to_string(no), day, "Penerimaan Administrasi Peminjaman",
                 "Sanksi Administrasi " + item.name, fine, ops);
            total += fine;
            lastBooked = no;
        }
    }

    bool visited = false;
    for (int i = 0; i < cart.newRows; ++i) {
        const std::string id = stamp + std::to_string(++no);
        const int roll = rng_.below(100);
        if (roll < 9 && !visited) {
            visited = true;
            trans_.row({id, date, m.id, "KUNJUNG", "KUNJUNG", date, "0", ops, std::nullopt});
            ++h_.movements;
            const int price = c_.categories[m.category].tariff;
            if (price > 0) {
                book(id, day, "Penerimaan Administrasi Kunjungan", "Administrasi " + m.name, price, ops);
                total += price;
                lastBooked = no;
            }
        } else if (roll < 17) {
            const int index = pick(c_.rentable);
            const Item& item = c_.items[index];
            const int days = rng_.chance(0.7) ? rng_.between(1, 3) : rng_.between(4, 7);
            lend(id, day, m, cart.member, item, index, day + days, true, ops);
            const long long price = static_cast<long long>(days) * item.price;
            book(id, day, "Penerimaan Rental", "Penerimaan Rental " + item.name, price, ops);
            total += price;
            lastBooked = no;
        } else {
            const int index = pick(c_.lendable);
            lend(id, day, m, cart.member, c_.items[index], index, day + m.loanDays, false, ops);
        }
    }

    if (total > 0 && rng_.chance(0.04)) {
        const long long discount = std::min<long long>(total, 500LL * rng_.between(1, 4));
        const std::string masuk = std::to_string(-discount);
        kas_.row({stamp + std::to_string(lastBooked + 1), date, "Potongan", "Potongan untuk : " + m.name,
                  masuk, "0", ops});
        ++h_.journalLines;
    }
}

void Desk::lend(const std::string& id, int day, const Member& m, int memberIndex, const Item& item,
                int itemIndex, int due, bool rental, const std::string& ops) {
    // Most come back in time, some late, a few never.
    const double never = m.active ? (rental ? 0.01 : 0.015) : 0.0;
    const double late = 0.05;
    const double roll = rng_.unit();
    int back = INT_MAX;
    if (roll >= never) {
        back =
            roll < never + late ? due + rng_.between(1, 21) : day + rng_.between(1, std::max(1, due - day));
        if (!m.active) back = std::max(day + 1, std::min(back, m.activeUntil));
        back = back > cal_.lastDay() ? INT_MAX : cal_.openFrom(back);
        if (back > cal_.lastDay()) back = INT_MAX;
    }
    const bool returned = back != INT_MAX;
    const std::string& date = cal_.iso(day);
    trans_.row({id, date, m.id, rental ? "RENTAL" : "PINJAM", item.id, cal_.iso(due), returned ? "1" : "0",
                ops, returned ? Cell(cal_.iso(back)) : std::nullopt});
    ++h_.movements;
    if (returned) {
        returnsByDay_[back].push_back({memberIndex, itemIndex, due});
    } else {
        ++h_.outstanding;
        if (due <= cal_.lastDay()) ++h_.overdue;
    }
}

void Desk::book(const std::string& id, int day, const char* category, const std::string& text,
                long long amount, const std::string& ops) {
    const std::string masuk = std::to_string(amount);
    kas_.row({id, cal_.iso(day), category, text, masuk, "0", ops});
    ++h_.journalLines;
}

}  // namespace

DeskHistory WriteDeskHistory(sqlite3* db, const Catalogue& catalogue, Calendar& calendar, long long movements,
                             Rng& rng) {
    return Desk(db, catalogue, calendar, rng).run(movements);
}

}  // namespace zelkor::demo
