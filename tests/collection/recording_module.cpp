// A stand-in export module that writes what it was handed to the file named by
// $ZELKOR_EXPORT_LOG, one line per call, so a test sees what reached the module.
// Built twice: as "exptohtml" (BROWSER_MODULE) and as "exptoxls".
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace {
void Record(const char* format, ...) __attribute__((format(printf, 1, 2)));
void Record(const char* format, ...) {
    const char* path = std::getenv("ZELKOR_EXPORT_LOG");
    if (!path) return;
    if (FILE* f = std::fopen(path, "a")) {
        va_list args;
        va_start(args, format);
        std::vfprintf(f, format, args);
        va_end(args);
        std::fclose(f);
    }
}
}  // namespace

#ifdef BROWSER_MODULE
extern "C" __attribute__((visibility("default"))) const char* sData(const char* information,
                                                                    const char* headers, const char* rows) {
    Record("browser %s | %s | %s\n", information, headers, rows);
    return "";
}
#else
extern "C" __attribute__((visibility("default"))) const char* sData(int rowCount, int columnCount,
                                                                    const char* data) {
    Record("spreadsheet %d %d %s\n", rowCount, columnCount, data);
    return "";
}
#endif
