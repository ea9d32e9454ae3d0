#pragma once
// The page "exptohtml" writes: the library's name and address and the title on
// top, then one table of the grid, readable on screen and printed on A4.
#include <cstdio>
#include <string_view>

namespace zelkor_module {

// The information text: title;library name;library address;codes. An address with
// more ";" in it (from another caller) keeps them: the codes are always the last piece.
struct PageInformation {
    std::string_view title, libraryName, libraryAddress, codes;
};
PageInformation ParseInformation(std::string_view information);

// Writes the whole page to `out`; false when writing failed. `printedAt` is shown
// under the title as it stands.
bool WriteHtmlPage(std::FILE* out, std::string_view information, std::string_view headers,
                   std::string_view rows, std::string_view printedAt);

}  // namespace zelkor_module
