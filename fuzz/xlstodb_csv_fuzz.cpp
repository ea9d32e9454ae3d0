// The CSV reader on any text.
#include <cstddef>
#include <cstdint>

#include "workbook.h"
#include "xlstodb_fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    xlstodb_fuzz::ReadAndCheck([&] { return xlstodb::ReadCsv(input, xlstodb_fuzz::kHeader); });
    return 0;
}
