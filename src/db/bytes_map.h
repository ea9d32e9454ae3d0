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
#include <QStringView>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zelkor {

inline std::string_view BytesOf(QByteArrayView b) {
    return std::string_view(b.data(), static_cast<std::size_t>(b.size()));
}

// The slots of the two maps below: a power of two of them, at most half full, each
// holding an entry's place (a number from 1; 0 is an empty slot) with the upper
// half of its key's hash. The map says where the key of a place is.
class ByteSlots {
  public:
    static std::size_t hash(std::string_view key) { return std::hash<std::string_view>()(key); }

    // The place whose key, keyAt(place), is `key` (its hash `h`), or 0.
    template <class KeyAt>
    std::size_t find(std::string_view key, std::size_t h, const KeyAt& keyAt) const {
        if (slots_.empty()) return 0;
        for (std::size_t i = h & mask(); slots_[i].place; i = (i + 1) & mask())
            if (slots_[i].tag == tag(h) && keyAt(slots_[i].place) == key) return slots_[i].place;
        return 0;
    }

    // Room for one more than `count` entries; when the slots grow for it, putAll()
    // puts every entry back with put().
    template <class PutAll>
    void roomForOneMore(std::size_t count, const PutAll& putAll) {
        if ((count + 1) * 2 <= slots_.size()) return;
        slots_.assign(slots_.empty() ? 64 : slots_.size() * 2, Slot{});
        putAll();
    }

    void put(std::size_t h, std::size_t place) {
        std::size_t i = h & mask();
        while (slots_[i].place) i = (i + 1) & mask();
        slots_[i] = Slot{tag(h), static_cast<std::uint32_t>(place)};
    }

    void clear() { slots_.clear(); }

  private:
    struct Slot {
        std::uint32_t tag = 0;
        std::uint32_t place = 0;
    };

    static std::uint32_t tag(std::size_t h) { return static_cast<std::uint32_t>(std::uint64_t(h) >> 32); }
    std::size_t mask() const { return slots_.size() - 1; }

    std::vector<Slot> slots_;
};

template <class T>
class BytesMap {
  public:
    using value_type = std::pair<std::string, T>;

    value_type* end() { return nullptr; }
    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }

    value_type* find(std::string_view key) {
        const std::size_t place = slots_.find(key, ByteSlots::hash(key), keyAt());
        return place ? &entries_[place - 1] : nullptr;
    }

    // Adds the entry unless the key is there; the entry of the key and whether it was added.
    std::pair<value_type*, bool> emplace(std::string key, T value) {
        if (value_type* found = find(key)) return {found, false};
        slots_.roomForOneMore(entries_.size(), [this] {
            for (std::size_t e = 0; e < entries_.size(); ++e)
                slots_.put(ByteSlots::hash(entries_[e].first), e + 1);
        });
        const std::size_t h = ByteSlots::hash(key);
        entries_.emplace_back(std::move(key), std::move(value));
        slots_.put(h, entries_.size());
        return {&entries_.back(), true};
    }

    void clear() {
        entries_.clear();
        slots_.clear();
    }

  private:
    // An entry's place is its index + 1.
    auto keyAt() const {
        return [this](std::size_t place) -> const std::string& { return entries_[place - 1].first; };
    }

    std::vector<value_type> entries_;
    ByteSlots slots_;
};

// Texts keyed by bytes, for the names of tens of thousands of codes: each key and
// its text lie side by side in one block, so that a look-up reads one slot and one
// record, where a BytesMap<QString> read an entry and then the text elsewhere. The
// text is handed out as a view, valid until the next add or clear.
class BytesTextMap {
  public:
    std::size_t size() const { return count_; }
    std::size_t units() const { return text_.size(); }  // the UTF-16 units of all records

    // The text of `key`, or false.
    bool find(std::string_view key, QStringView& text) const {
        const std::size_t place =
            slots_.find(key, ByteSlots::hash(key), [this](std::size_t p) { return record(p - 1).key; });
        if (place) text = record(place - 1).text;
        return place != 0;
    }

    // Adds `key` (not in the map) with `text`; the text as stored.
    QStringView add(std::string_view key, QStringView text) {
        slots_.roomForOneMore(count_, [this] {
            for (std::size_t at = 0; at < text_.size(); at = next(at))
                slots_.put(ByteSlots::hash(record(at).key), at + 1);
        });
        const std::size_t start = text_.size();
        const std::size_t keyUnits = (key.size() + 1) / 2;
        text_.resize(start + kHeader + keyUnits + static_cast<std::size_t>(text.size()));
        putLength(start, key.size());
        putLength(start + 2, static_cast<std::size_t>(text.size()));
        std::memcpy(text_.data() + start + kHeader, key.data(), key.size());
        std::copy(text.utf16(), text.utf16() + text.size(), text_.data() + start + kHeader + keyUnits);
        slots_.put(ByteSlots::hash(key), start + 1);
        ++count_;
        return record(start).text;
    }

    void clear() {
        text_.clear();
        slots_.clear();
        count_ = 0;
    }

  private:
    // A record (its place is its start + 1): the key's length and the text's length
    // (two units each), the key's bytes (in whole units), the text.
    static constexpr std::size_t kHeader = 4;
    struct Record {
        std::string_view key;
        QStringView text;
    };

    void putLength(std::size_t at, std::size_t n) {
        text_[at] = static_cast<char16_t>(n & 0xffff);
        text_[at + 1] = static_cast<char16_t>(n >> 16);
    }
    std::size_t length(std::size_t at) const {
        return std::size_t(text_[at]) | std::size_t(text_[at + 1]) << 16;
    }
    Record record(std::size_t start) const {
        const std::size_t keyBytes = length(start), textUnits = length(start + 2);
        const char16_t* key = text_.data() + start + kHeader;
        return {std::string_view(reinterpret_cast<const char*>(key), keyBytes),
                QStringView(key + (keyBytes + 1) / 2, static_cast<qsizetype>(textUnits))};
    }
    // The start of the record after the one at `start`.
    std::size_t next(std::size_t start) const {
        return start + kHeader + (length(start) + 1) / 2 + length(start + 2);
    }

    std::vector<char16_t> text_;
    ByteSlots slots_;
    std::size_t count_ = 0;
};

}  // namespace zelkor
