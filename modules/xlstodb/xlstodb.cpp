// The entry point of the module; see xlstodb.h.
#include "xlstodb.h"

#include <new>
#include <string>

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
            reply =
                xlstodb::ReadWorkbook(path, xlstodb::SheetOfQuery(sheetQuery ? sheetQuery : ""), headerLine);
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
