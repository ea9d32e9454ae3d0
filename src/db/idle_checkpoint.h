#pragma once
// When the pages a commit appended to the WAL move into the library itself.
//
// SQLite's own rule moves them inside the commit that takes the WAL past 1,000
// pages, which puts a copy of those pages and two more disk flushes into about one
// desk save in twenty. The library's connection moves them instead once the WAL
// holds that much and the program has had nothing to do for a moment (no commit
// for a second, the event loop free), so a save pays for its own flush only. A
// program kept busy without a pause, or one with no event loop (the command-line
// tools), still moves them inside the commit that takes the WAL past a bound, so
// the WAL cannot grow without end.
//
// Not after every save: the first commit into a WAL just emptied flushes its
// header as well, a second flush in that save.
#include <QTimer>

struct sqlite3;

namespace zelkor {

class IdleCheckpoint {
  public:
    // Takes over the WAL commit hook of `db` (SQLite's automatic checkpoint).
    explicit IdleCheckpoint(sqlite3* db);
    IdleCheckpoint(const IdleCheckpoint&) = delete;
    IdleCheckpoint& operator=(const IdleCheckpoint&) = delete;

    // The WAL size from which the idle moment moves the pages.
    static constexpr int kIdleFromPages = 1000;
    // The WAL size at which a commit moves the pages itself.
    static constexpr int kBoundBytes = 16 * 1024 * 1024;
    // How long the program must have been without a commit.
    static constexpr int kIdleMs = 1000;

    // Whether the idle moment has pages to move.
    bool pending() const { return pending_; }
    // What the idle moment does, at once (the desk benchmark's pause between members).
    void runNow();

  private:
    static int afterCommit(void* self, sqlite3* db, const char* schema, int pages);

    sqlite3* db_;
    int boundPages_;
    bool pending_ = false;
    QTimer idle_;
};

}  // namespace zelkor
