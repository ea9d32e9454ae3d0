#pragma once
// What both export modules do alike. Plain C++ and POSIX: the modules are loaded
// into the program and carry nothing of it.
#include <cstddef>
#include <string>
#include <string_view>

namespace zelkor_module {

// Calls fn(piece) for every piece of `text` between `sep`s, empty pieces included
// (an empty text is one empty piece). Stops early when fn returns false.
template <typename Fn>
void ForEachPiece(std::string_view text, char sep, Fn fn) {
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(sep, start);
        if (!fn(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start)))
            return;
        if (end == std::string_view::npos) return;
        start = end + 1;
    }
}

// Pieces of `text` between `sep`s, counted without being kept.
size_t CountPieces(std::string_view text, char sep);

// A file-name stem from a title: ASCII letters and digits kept, every other run of
// characters one "_", at most 60 characters; `fallback` when nothing is left.
std::string FileStem(std::string_view title, std::string_view fallback);

// "<working directory>/laporan/<stem>_<yyyymmdd_HHMMSS><extension>", with "_2", "_3"...
// before the extension when that name is taken. Creates the folder; empty when it
// cannot.
std::string NewReportPath(std::string_view stem, std::string_view extension);

// The name a file is written under until it is complete, so that a failed export
// never leaves half a report under the real name.
std::string PartPath(const std::string& path);
// Moves the finished `from` to `to`; removes `from` when that fails.
bool CommitFile(const std::string& from, const std::string& to);

// Opens `path` with the desktop's default application (xdg-open), detached: the
// program never waits for the browser or the spreadsheet program, and no child is
// left behind unreaped.
// Set the environment variable ZELKOR_EXPORT_NO_OPEN=1 to skip this step (tests,
// unattended runs): the file is still written and its path returned.
void OpenWithDefaultApplication(const std::string& path);

// Code points of a UTF-8 text.
size_t Utf8Length(std::string_view text);

}  // namespace zelkor_module
