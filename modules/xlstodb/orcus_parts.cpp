#include "orcus_parts.h"

namespace xlstodb::orcus_parts {

std::string_view cutUtf8(std::string_view s, size_t max) {
    if (s.size() <= max) return s;
    size_t end = max;
    while (end > 0 && (static_cast<unsigned char>(s[end]) & 0xC0) == 0x80) --end;
    return s.substr(0, end);
}

NumberKind kindOfCode(std::string_view code) {
    bool y = false, d = false, m = false, hs = false;
    for (size_t i = 0; i < code.size(); ++i) {
        const char c = code[i];
        if (c == '"') {
            const size_t close = code.find('"', i + 1);
            if (close == std::string_view::npos) break;
            i = close;
        } else if (c == '[') {
            const size_t close = code.find(']', i + 1);
            if (close == std::string_view::npos) break;
            i = close;
        } else if (c == '\\' || c == '_' || c == '*') {
            ++i;
        } else {
            const char l = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
            y = y || l == 'y', d = d || l == 'd', m = m || l == 'm', hs = hs || l == 'h' || l == 's';
        }
    }
    if (y || d || (m && !hs)) return NumberKind::Date;
    return hs ? NumberKind::Time : NumberKind::Plain;
}

NumberKind kindOfBuiltin(size_t id) {
    if ((id >= 14 && id <= 17) || id == 22 || (id >= 27 && id <= 36) || (id >= 50 && id <= 58))
        return NumberKind::Date;
    if ((id >= 18 && id <= 21) || (id >= 45 && id <= 47)) return NumberKind::Time;
    return NumberKind::Plain;
}

}  // namespace xlstodb::orcus_parts
