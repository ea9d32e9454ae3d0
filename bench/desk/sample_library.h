#pragma once
// A large library of its own for the desk benchmark, when no sample file is given:
// 20,000 members, 2,000 items, 1,000,000 movements and their journal lines.
#include <QString>

namespace zelkor {
class Database;
}

namespace zelkor::bench {

struct SampleSize {
    int members = 20000;
    int items = 2000;
    int movements = 1000000;
};

// Fills an empty database (schema applied here). Returns false with a message on failure.
bool BuildSampleLibrary(Database& db, const SampleSize& size, QString* error);

}  // namespace zelkor::bench
