// The entry point of the module; see xlstodb.h.
#include "xlstodb.h"

#include <new>
#include <string>

#include "child_process.h"
#include "workbook.h"

extern "C" __attribute__((visibility("default"))) const char* sdata1(const char* path, const char* sheetQuery,
                                                                     const char* headerLine) {
    // Static, not on the stack: the caller reads the reply after we return.
    static std::string reply;
    try {
        reply.clear();
        reply.shrink_to_fit();
        if (!path || !*path || !headerLine) {
            reply = "Tidak ada file yang dipilih..";
        } else {
            const std::string file = path, sheet = xlstodb::SheetOfQuery(sheetQuery ? sheetQuery : ""),
                              header = headerLine;
            reply = xlstodb::RunInChild([&] {
                try {
                    return xlstodb::ReadWorkbook(file, sheet, header);
                } catch (const xlstodb::ReadError& e) {
                    return std::string(e.what());
                } catch (const std::bad_alloc&) {
                    return std::string("Memori tidak cukup untuk membaca workbook ini..");
                }
            });
        }
    } catch (const xlstodb::ReadError& e) {
        reply = e.what();
    } catch (const std::bad_alloc&) {
        reply = "Memori tidak cukup untuk membaca workbook ini..";
    } catch (...) {
        reply = "Workbook tidak dapat dibaca..";
    }
    return reply.c_str();
}
