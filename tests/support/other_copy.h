#pragma once
// Another copy of the program on the same library, in a thread of its own: it
// takes a lock with `begin` ("begin immediate", "begin exclusive"), holds it for
// `ms` milliseconds and lets it go. Returns once the lock is taken; join the
// thread to wait for the end.
#include <QString>
#include <chrono>
#include <future>
#include <thread>

#include "db/database.h"

namespace zelkor::test {

inline std::thread HoldLockFor(const QString& path, const char* begin, int ms) {
    std::promise<void> locked;
    std::future<void> taken = locked.get_future();
    std::thread other([path, begin, ms, locked = std::move(locked)]() mutable {
        auto db = Database::open(path, nullptr);
        db->exec(QString::fromLatin1(begin));
        locked.set_value();
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        db->exec(QStringLiteral("rollback"));
    });
    taken.wait();
    return other;
}

}  // namespace zelkor::test
