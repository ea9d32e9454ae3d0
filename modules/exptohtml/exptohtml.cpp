// exptohtml: the export module behind "Cetak Ke Broswer".
//
// sData(information, headers, rows) receives a grid as three UTF-8 texts:
//   information  title;library name;library address;one alignment code (l, r, c) per column
//   headers      the column headers joined by ";"
//   rows         cells joined by ",", rows joined by ";"
// and writes it as a print-ready HTML page into "laporan/" of the working
// directory, named after the title and the time ("LAPORAN_DATA_ITEM_PERPUSTAKAAN_
// 20160307_090502.html"), then opens it in the default browser without waiting.
// Returns the page's full path, or an empty text when the page could not be
// written. The returned text stays valid until the next call.
//
// ZELKOR_EXPORT_NO_OPEN=1 in the environment skips opening the browser; the page is
// still written and its path returned (tests, unattended runs).
#include <cstdio>
#include <ctime>
#include <string>

#include "export_file.h"
#include "html_page.h"

using namespace zelkor_module;

namespace {

std::string printedAt() {
    char text[32];
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::strftime(text, sizeof text, "%d-%m-%Y %H:%M", &local);
    return text;
}

std::string writePage(std::string_view information, std::string_view headers, std::string_view rows) {
    const std::string path = NewReportPath(FileStem(ParseInformation(information).title, "laporan"), ".html");
    if (path.empty()) return {};
    const std::string part = PartPath(path);
    std::FILE* out = std::fopen(part.c_str(), "wb");
    if (!out) return {};
    const bool written = WriteHtmlPage(out, information, headers, rows, printedAt());
    if (std::fclose(out) != 0 || !written) {
        std::remove(part.c_str());
        return {};
    }
    return CommitFile(part, path) ? path : std::string();
}

}  // namespace

extern "C" __attribute__((visibility("default"))) const char* sData(const char* information,
                                                                    const char* headers, const char* rows) {
    // Static, not on the stack: the caller reads the reply after we return.
    static std::string reply;
    reply = writePage(information ? information : "", headers ? headers : "", rows ? rows : "");
    if (!reply.empty()) OpenWithDefaultApplication(reply);
    return reply.c_str();
}
