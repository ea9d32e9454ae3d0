// A stand-in "exptohtml" that hands back exactly what it received, the three texts
// joined by U+001E, so a test sees the package as any module would.
#include <string>

extern "C" __attribute__((visibility("default"))) const char* sData(const char* information,
                                                                    const char* headers, const char* rows) {
    static std::string reply;
    reply = std::string(information) + '\x1e' + headers + '\x1e' + rows;
    return reply.c_str();
}
