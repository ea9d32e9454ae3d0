#include "db/idle_checkpoint.h"

#include <QCoreApplication>
#include <QThread>
#include <algorithm>

#include <sqlite3.h>

namespace zelkor {

IdleCheckpoint::IdleCheckpoint(sqlite3* db) : db_(db) {
    sqlite3_stmt* stmt = nullptr;
    int pageSize = 4096;
    if (sqlite3_prepare_v2(db, "PRAGMA page_size", -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW)
        pageSize = std::max(512, sqlite3_column_int(stmt, 0));
    sqlite3_finalize(stmt);
    boundPages_ = std::max(kIdleFromPages, kBoundBytes / pageSize);
    idle_.setSingleShot(true);
    idle_.setInterval(kIdleMs);
    QObject::connect(&idle_, &QTimer::timeout, [this] { runNow(); });
    sqlite3_wal_hook(db, &IdleCheckpoint::afterCommit, this);
}

int IdleCheckpoint::afterCommit(void* self, sqlite3* db, const char* schema, int pages) {
    auto* me = static_cast<IdleCheckpoint*>(self);
    if (pages >= me->boundPages_) {
        // As SQLite's own rule does: whatever the readers allow, without waiting.
        sqlite3_wal_checkpoint_v2(db, schema, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
        me->pending_ = false;
        me->idle_.stop();
        return SQLITE_OK;
    }
    if (pages < kIdleFromPages) return SQLITE_OK;
    me->pending_ = true;
    // Each commit puts the idle moment off again. A timer only runs in the thread
    // that made it, with an event loop.
    if (QCoreApplication::instance() && QThread::currentThread() == me->idle_.thread()) me->idle_.start();
    return SQLITE_OK;
}

void IdleCheckpoint::runNow() {
    if (!pending_) return;
    // Not in the middle of an action of this connection: later.
    if (!sqlite3_get_autocommit(db_)) {
        idle_.start();
        return;
    }
    pending_ = false;
    sqlite3_wal_checkpoint_v2(db_, nullptr, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
}

}  // namespace zelkor
