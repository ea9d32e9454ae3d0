// The .xlsx and the .ods reader (XLSTODB_FORMAT: Xlsx or Ods) on mutated
// workbooks: raw files ("PK..."), and workbooks given as their parts, so that the
// XML inside is mutated too.
#include <cstddef>
#include <cstdint>

#include "workbook.h"
#include "xlstodb_fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string bytes =
        input.substr(0, 2) == "PK" ? std::string(input) : xlstodb_fuzz::ZipOfParts(input);
    if (xlstodb::UnpacksTooLarge(bytes)) return 0;  // refused before reading, as the module does
    xlstodb_fuzz::FuzzReader(
        data, size,
        [&] {
            return xlstodb::ReadOrcus(xlstodb::Format::XLSTODB_FORMAT, bytes, "Sheet1",
                                      xlstodb_fuzz::kHeader);
        },
        true);
    return 0;
}
