#include "workbook.h"

#include <orcus/format_detection.hpp>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>

namespace xlstodb {

namespace {

constexpr unsigned char kOle2Magic[] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

std::uint32_t le32(std::string_view b, size_t at) {
    std::uint32_t v = 0;
    for (int k = 3; k >= 0; --k) v = (v << 8) | static_cast<unsigned char>(b[at + static_cast<size_t>(k)]);
    return v;
}
std::uint16_t le16(std::string_view b, size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                      (static_cast<unsigned char>(b[at + 1]) << 8));
}

// Plain text: no NUL among the first bytes (every binary format has some).
bool looksLikeText(std::string_view bytes) {
    return std::memchr(bytes.data(), 0, std::min<size_t>(bytes.size(), 64 * 1024)) == nullptr;
}

bool isZip(std::string_view bytes) {
    return bytes.substr(0, 4) == std::string_view("PK\x03\x04", 4);
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw ReadError("File tidak dapat dibuka: " + CleanCell(path) + "..");
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0) throw ReadError("File tidak dapat dibaca: " + CleanCell(path) + "..");
    if (static_cast<std::uint64_t>(size) > kMaxFileBytes)
        throw ReadError("File terlalu besar untuk diimpor (lebih dari " +
                        std::to_string(kMaxFileBytes >> 20) + " MB)..");
    std::string bytes(static_cast<size_t>(size), '\0');
    in.seekg(0);
    if (size > 0 && !in.read(bytes.data(), size))
        throw ReadError("File tidak dapat dibaca: " + CleanCell(path) + "..");
    return bytes;
}

}  // namespace

std::string SheetOfQuery(std::string_view query) {
    const size_t open = query.find('[');
    const size_t close = query.find(']', open == std::string_view::npos ? 0 : open);
    if (open == std::string_view::npos || close == std::string_view::npos) return {};
    std::string_view name = query.substr(open + 1, close - open - 1);
    if (!name.empty() && name.back() == '$') name.remove_suffix(1);
    return std::string(name);
}

bool SameSheetName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

bool UnpacksTooLarge(std::string_view b) {
    // End of central directory: signature, then (at +10) the entry count, (at +16)
    // the directory's offset. It sits in the last 64 KiB + 22 bytes.
    if (b.size() < 22) return false;
    const size_t lowest = b.size() > 65557 ? b.size() - 65557 : 0;
    size_t eocd = std::string_view::npos;
    for (size_t at = b.size() - 22 + 1; at-- > lowest;) {
        if (le32(b, at) == 0x06054b50) {
            eocd = at;
            break;
        }
    }
    if (eocd == std::string_view::npos) return false;
    const size_t entries = le16(b, eocd + 10);
    size_t at = le32(b, eocd + 16);
    std::uint64_t total = 0;
    for (size_t n = 0; n < entries; ++n) {
        if (at > b.size() || b.size() - at < 46 || le32(b, at) != 0x02014b50) return false;
        const std::uint32_t unpacked = le32(b, at + 24);
        if (unpacked == 0xFFFFFFFFu) return true;  // a ZIP64 size: over 4 GiB
        total += unpacked;
        if (total > kMaxUnpackedBytes) return true;
        at += 46 + static_cast<size_t>(le16(b, at + 28)) + le16(b, at + 30) + le16(b, at + 32);
    }
    return false;
}

Format DetectFormat(std::string_view bytes) {
    if (bytes.size() >= sizeof kOle2Magic && std::memcmp(bytes.data(), kOle2Magic, sizeof kOle2Magic) == 0)
        return Format::Xls;
    const bool zip = isZip(bytes);
    size_t first = 0;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") first = 3;
    while (first < bytes.size() &&
           (bytes[first] == ' ' || bytes[first] == '\n' || bytes[first] == '\r' || bytes[first] == '\t'))
        ++first;
    const bool xml = first < bytes.size() && bytes[first] == '<';
    if (zip || xml) {
        orcus::format_t f = orcus::format_t::unknown;
        try {
            f = orcus::detect(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
        } catch (...) {
            f = orcus::format_t::unknown;
        }
        switch (f) {
            case orcus::format_t::xlsx:
                return Format::Xlsx;
            case orcus::format_t::ods:
                return Format::Ods;
            case orcus::format_t::xls_xml:
                return Format::XlsXml;
            default:
                break;
        }
        // A zip that is no workbook (a .docx) or an HTML page saved as ".xls".
        return Format::Unknown;
    }
    return looksLikeText(bytes) ? Format::Csv : Format::Unknown;
}

std::string ReadWorkbook(const std::string& path, std::string_view sheet, std::string_view header) {
    const std::string bytes = readFile(path);
    if (bytes.empty()) throw ReadError("File kosong: " + CleanCell(path) + "..");
    // Before anything unpacks it, orcus's format detection included.
    if (isZip(bytes) && UnpacksTooLarge(bytes))
        throw ReadError("Workbook terlalu besar untuk diimpor (isinya lebih dari " +
                        std::to_string(kMaxUnpackedBytes >> 20) + " MB)..");
    const Format format = DetectFormat(bytes);
    switch (format) {
        case Format::Xls:
            return ReadXls(path, sheet, header);
        case Format::Xlsx:
        case Format::Ods:
        case Format::XlsXml:
            return ReadOrcus(format, bytes, sheet, header);
        case Format::Csv:
            return ReadCsv(bytes, header);
        case Format::Unknown:
            break;
    }
    throw ReadError(
        "File ini bukan workbook yang dapat dibaca. Simpanlah sebagai .xls, .xlsx, .ods atau .csv..");
}

}  // namespace xlstodb
