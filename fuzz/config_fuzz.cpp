// The files beside the program are typed by hand: any bytes in conn.txt or
// perpus.txt must give a record, never a crash.
#include <QString>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "app/config_files.h"
#include "core/field.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString line = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const zelkor::ConnSettings conn = zelkor::ParseConnLine(line);
    const zelkor::Identity identity = zelkor::ParseIdentityLine(line);
    for (int n = -1; n <= 7; ++n) zelkor::Field(line, ';', n);
    // Field 1 of a record is always a prefix of the line.
    if (!line.startsWith(conn.databasePath) || !line.startsWith(identity.name)) __builtin_trap();
    // What the settings write back reads again as it was, when no field holds a
    // ";" (nor a line break, which ends the record).
    auto plain = [](std::initializer_list<QString> fields) {
        for (const QString& f : fields)
            if (f.contains(';') || f.contains('\n') || f.contains('\r')) return false;
        return true;
    };
    if (plain({conn.databasePath, conn.text2, conn.text3})) {
        const zelkor::ConnSettings again = zelkor::ParseConnLine(zelkor::ConnLine(conn));
        if (again.databasePath != conn.databasePath || again.text2 != conn.text2 || again.text3 != conn.text3)
            __builtin_trap();
    }
    if (plain({identity.name, identity.address, identity.phone, identity.email, identity.field5})) {
        const zelkor::Identity again = zelkor::ParseIdentityLine(zelkor::IdentityLine(identity));
        if (again.name != identity.name || again.address != identity.address ||
            again.phone != identity.phone || again.email != identity.email || again.field5 != identity.field5)
            __builtin_trap();
    }
    return 0;
}
