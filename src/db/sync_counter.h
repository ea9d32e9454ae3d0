#pragma once
// Watches the disk work SQLite does: while a SyncCounter lives, every connection
// opened goes through a thin layer over the default file layer that counts the
// syncs asked for and notes which files hold writes not yet synced. The desk
// benchmark reports syncs per save with it; the tests check with it that a commit
// leaves nothing unsynced. Close the connections opened under it before it goes.
#include <cstdint>

namespace zelkor {

class SyncCounter {
  public:
    SyncCounter();
    ~SyncCounter();
    SyncCounter(const SyncCounter&) = delete;
    SyncCounter& operator=(const SyncCounter&) = delete;

    // Syncs of files and of their folder (after a journal file is deleted) so far.
    std::uint64_t syncs() const;
    // True when a library, journal or WAL file that is open holds writes that were
    // not synced after them: a power cut now could lose them.
    bool unsyncedWrites() const;
};

}  // namespace zelkor
