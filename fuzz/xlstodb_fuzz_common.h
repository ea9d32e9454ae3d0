#pragma once
// What the reader fuzz targets share: a reply is records or a message, and a
// workbook's parts packed into a zip archive.
#include <sanitizer/common_interface_defs.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "child_process.h"
#include "sheet_records.h"

namespace xlstodb_fuzz {

// Writes an input the child died on into <build-fuzz>/contained/<target>/.
inline void keepContained(const std::uint8_t* data, std::size_t size) {
    char exe[4096];
    const ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
    if (n <= 0) return;
    const std::string self(exe, static_cast<size_t>(n));
    const size_t slash = self.rfind('/');
    const std::string bin = self.substr(0, slash), name = self.substr(slash + 1);
    const std::string dir = bin.substr(0, bin.rfind('/')) + "/contained/" + name;
    mkdir((bin.substr(0, bin.rfind('/')) + "/contained").c_str(), 0755);
    mkdir(dir.c_str(), 0755);
    char file[32];
    std::snprintf(file, sizeof file, "/%016zx",
                  std::hash<std::string_view>()({reinterpret_cast<const char*>(data), size}));
    if (std::FILE* f = std::fopen((dir + file).c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
}

inline constexpr const char* kHeader = "Id;Nama_Member;Jenis_Kelamin;Tmp_Lahir;Tgl_Lahir;Alamat;Durasi";
inline constexpr size_t kFields = 7;

// Every record of a reply ends with "|" and holds exactly the header's fields,
// each ending with ";" and free of separators and control characters.
inline void CheckRecords(const std::string& text) {
    if (text.empty() || text.back() != '|') __builtin_trap();
    size_t fields = 0;
    for (unsigned char c : text) {
        if (c == ';') {
            ++fields;
        } else if (c == '|') {
            if (fields != kFields) __builtin_trap();
            fields = 0;
        } else if (c < 0x20 || c == 0x7F) {
            __builtin_trap();
        }
    }
}

// Reads with `read`, which returns records or throws ReadError; anything else
// escaping is a fault.
template <typename Read>
void ReadAndCheck(Read read) {
    try {
        CheckRecords(read());
    } catch (const xlstodb::ReadError& e) {
        const std::string_view message = e.what();
        if (message.empty() || message.back() == '|') __builtin_trap();
    }
}

// FreeXL and liborcus themselves read out of bounds and stop on failed assertions
// on some damaged files; the module reads in a child process for that reason
// (child_process.h). A reader target does the same first: an input on which the
// child dies is kept in build-fuzz/contained/NAME/ for a look (its stack shows
// whose fault it is) and not read here, so the run goes on past faults of the
// libraries. The child's reply must be records or a message. The child drops
// libFuzzer's crash handling, so a fault of a library that the child contains is
// not written to crashes/ as if it were ours.
//
// With `inProcess`, every other input is then read here as well, where its
// coverage counts. Not for FreeXL: its faults come from uninitialised memory and
// may strike here where they spared the child.
template <typename Read>
void FuzzReader(const std::uint8_t* data, std::size_t size, Read read, bool inProcess) {
    bool died = false;
    const std::string reply = xlstodb::RunInChild(
        [&] {
            __sanitizer_set_death_callback(nullptr);
            signal(SIGABRT, SIG_DFL);
            signal(SIGILL, SIG_DFL);
            try {
                return read();
            } catch (const xlstodb::ReadError& e) {
                return std::string(e.what());
            }
        },
        15, &died);
    if (died) {
        keepContained(data, size);
        return;
    }
    if (!reply.empty() && reply.back() == '|')
        CheckRecords(reply);
    else if (reply.empty())
        __builtin_trap();  // a message always says something
    if (inProcess) ReadAndCheck(read);
}

// A workbook given as its parts rather than as zip bytes, so that the fuzzer
// mutates the XML that liborcus parses instead of the compressed stream:
//   name1 "\n" content1 "\x01" name2 "\n" content2 ...
// packed into a zip archive (stored, not compressed).
inline std::string ZipOfParts(std::string_view input) {
    struct Part {
        std::string name;
        std::string_view data;
        std::uint32_t offset;
    };
    std::vector<Part> parts;
    size_t start = 0;
    while (start < input.size() && parts.size() < 64) {
        size_t end = input.find('\x01', start);
        if (end == std::string_view::npos) end = input.size();
        const std::string_view piece = input.substr(start, end - start);
        const size_t nl = piece.find('\n');
        if (nl != std::string_view::npos && nl > 0 && nl < 200)
            parts.push_back({std::string(piece.substr(0, nl)), piece.substr(nl + 1), 0});
        start = end + 1;
    }
    std::string zip;
    const auto u16 = [&](std::uint32_t v) {
        zip.push_back(static_cast<char>(v & 0xFF));
        zip.push_back(static_cast<char>((v >> 8) & 0xFF));
    };
    const auto u32 = [&](std::uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    };
    const auto crcOf = [](std::string_view d) {
        return static_cast<std::uint32_t>(
            crc32(0, reinterpret_cast<const Bytef*>(d.data()), static_cast<uInt>(d.size())));
    };
    for (Part& p : parts) {
        p.offset = static_cast<std::uint32_t>(zip.size());
        u32(0x04034b50), u16(20), u16(0), u16(0), u16(0), u16(0);
        u32(crcOf(p.data)), u32(static_cast<std::uint32_t>(p.data.size())),
            u32(static_cast<std::uint32_t>(p.data.size()));
        u16(static_cast<std::uint32_t>(p.name.size())), u16(0);
        zip += p.name;
        zip += p.data;
    }
    const auto directory = static_cast<std::uint32_t>(zip.size());
    for (const Part& p : parts) {
        u32(0x02014b50), u16(20), u16(20), u16(0), u16(0), u16(0), u16(0);
        u32(crcOf(p.data)), u32(static_cast<std::uint32_t>(p.data.size())),
            u32(static_cast<std::uint32_t>(p.data.size()));
        u16(static_cast<std::uint32_t>(p.name.size())), u16(0), u16(0), u16(0), u16(0), u32(0), u32(p.offset);
        zip += p.name;
    }
    const auto size = static_cast<std::uint32_t>(zip.size()) - directory;
    u32(0x06054b50), u16(0), u16(0), u16(static_cast<std::uint32_t>(parts.size())),
        u16(static_cast<std::uint32_t>(parts.size()));
    u32(size), u32(directory), u16(0);
    return zip;
}

}  // namespace xlstodb_fuzz
