// The .xls reader (FreeXL) on mutated workbooks, read in a child process only, as
// the module reads them (see FuzzReader). FreeXL opens files by path, so each
// input is written to a file of this process first.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "workbook.h"
#include "xlstodb_fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    struct TempFile {
        std::string path = "/tmp/xlstodb_xls_fuzz_" + std::to_string(getpid()) + ".xls";
        ~TempFile() { std::remove(path.c_str()); }
    };
    static const TempFile file;
    const std::string& path = file.path;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return 0;
    const bool written = std::fwrite(data, 1, size, f) == size;
    std::fclose(f);
    if (!written) return 0;
    xlstodb_fuzz::FuzzReader(
        data, size, [&] { return xlstodb::ReadXls(path, "Sheet1", xlstodb_fuzz::kHeader); }, false);
    return 0;
}
