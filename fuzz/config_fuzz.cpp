// The files beside the program are typed by hand: any bytes in conn.txt or
// perpus.txt must give a record, never a crash.
#include <QString>
#include <cstddef>
#include <cstdint>

#include "app/config_files.h"
#include "core/field.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString line = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const zelkor::ConnSettings conn = zelkor::ParseConnLine(line);
    const zelkor::Identity identity = zelkor::ParseIdentityLine(line);
    for (int n = -1; n <= 7; ++n) zelkor::Field(line, ';', n);
    // Field 1 of a record is always a prefix of the line.
    if (!line.startsWith(conn.databasePath) || !line.startsWith(identity.name)) __builtin_trap();
    return 0;
}
