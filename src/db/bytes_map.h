#pragma once
// Maps keyed by the bytes SQLite gives for a value: a long list that meets the same
// code or date again and again looks it up without making a QString of it first.
#include <QByteArrayView>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace zelkor {

struct BytesHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>()(s); }
};

template <class T>
using BytesMap = std::unordered_map<std::string, T, BytesHash, std::equal_to<>>;

inline std::string_view BytesOf(QByteArrayView b) {
    return std::string_view(b.data(), static_cast<std::size_t>(b.size()));
}

}  // namespace zelkor
