// A stand-in "exptoxls" that hands back the counts and the data text it received,
// joined by U+001E.
#include <string>

extern "C" __attribute__((visibility("default"))) const char* sData(int rowCount, int columnCount,
                                                                    const char* data) {
    static std::string reply;
    reply = std::to_string(rowCount) + '\x1e' + std::to_string(columnCount) + '\x1e' + data;
    return reply.c_str();
}
