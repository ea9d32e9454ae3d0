#pragma once
// Maps keyed by the bytes SQLite gives for a value: a long list that meets the same
// code or date again and again looks it up without making a QString of it first.
//
// The entries lie side by side in one vector, in the order they were added, and a
// table of slots (a power of two, at most half full) holds each entry's place with
// the upper half of its hash: a look-up reads one slot and, when the hash halves
// agree, one entry. A node per entry, as std::unordered_map has, cost a cache miss
// or two per look-up in lists of tens of thousands of codes.
//
// A pointer to an entry stays valid until the next emplace or clear.
#include <QByteArrayView>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zelkor {

inline std::string_view BytesOf(QByteArrayView b) {
    return std::string_view(b.data(), static_cast<std::size_t>(b.size()));
}

template <class T>
class BytesMap {
  public:
    using value_type = std::pair<std::string, T>;

    value_type* end() { return nullptr; }
    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }

    value_type* find(std::string_view key) {
        if (slots_.empty()) return nullptr;
        const std::size_t h = hash(key);
        for (std::size_t i = h & mask(); slots_[i].place; i = (i + 1) & mask())
            if (slots_[i].tag == tag(h) && entries_[slots_[i].place - 1].first == key)
                return &entries_[slots_[i].place - 1];
        return nullptr;
    }

    // Adds the entry unless the key is there; the entry of the key and whether it was added.
    std::pair<value_type*, bool> emplace(std::string key, T value) {
        if (value_type* found = find(key)) return {found, false};
        if ((entries_.size() + 1) * 2 > slots_.size()) grow();
        const std::size_t h = hash(key);
        entries_.emplace_back(std::move(key), std::move(value));
        place(h, entries_.size());
        return {&entries_.back(), true};
    }

    void clear() {
        entries_.clear();
        slots_.clear();
    }

  private:
    struct Slot {
        std::uint32_t tag = 0;
        std::uint32_t place = 0;  // the entry's index + 1; 0: an empty slot
    };

    static std::size_t hash(std::string_view key) { return std::hash<std::string_view>()(key); }
    static std::uint32_t tag(std::size_t h) { return static_cast<std::uint32_t>(std::uint64_t(h) >> 32); }
    std::size_t mask() const { return slots_.size() - 1; }

    void place(std::size_t h, std::size_t place) {
        std::size_t i = h & mask();
        while (slots_[i].place) i = (i + 1) & mask();
        slots_[i] = Slot{tag(h), static_cast<std::uint32_t>(place)};
    }

    void grow() {
        slots_.assign(slots_.empty() ? 64 : slots_.size() * 2, Slot{});
        for (std::size_t e = 0; e < entries_.size(); ++e) place(hash(entries_[e].first), e + 1);
    }

    std::vector<value_type> entries_;
    std::vector<Slot> slots_;
};

}  // namespace zelkor
