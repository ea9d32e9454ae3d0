#include "db/sync_counter.h"

#include <sqlite3.h>

#include <atomic>
#include <cstring>

namespace zelkor {

namespace {

std::atomic<std::uint64_t> g_syncs{0};
std::atomic<int> g_unsyncedFiles{0};
sqlite3_vfs* g_real = nullptr;

struct File {
    sqlite3_file base;
    sqlite3_file* real;  // follows this struct in the same allocation
    bool watched;        // library, journal or WAL
    bool unsynced;
};

File* self(sqlite3_file* f) {
    return reinterpret_cast<File*>(f);
}

void markWritten(File* f) {
    if (f->watched && !f->unsynced) {
        f->unsynced = true;
        ++g_unsyncedFiles;
    }
}

void markSynced(File* f) {
    if (f->unsynced) {
        f->unsynced = false;
        --g_unsyncedFiles;
    }
}

int xClose(sqlite3_file* f) {
    markSynced(self(f));  // a closed file is no longer ours to watch
    const int rc = self(f)->real->pMethods->xClose(self(f)->real);
    return rc;
}
int xRead(sqlite3_file* f, void* buf, int n, sqlite3_int64 at) {
    return self(f)->real->pMethods->xRead(self(f)->real, buf, n, at);
}
int xWrite(sqlite3_file* f, const void* buf, int n, sqlite3_int64 at) {
    markWritten(self(f));
    return self(f)->real->pMethods->xWrite(self(f)->real, buf, n, at);
}
int xTruncate(sqlite3_file* f, sqlite3_int64 size) {
    markWritten(self(f));
    return self(f)->real->pMethods->xTruncate(self(f)->real, size);
}
int xSync(sqlite3_file* f, int flags) {
    ++g_syncs;
    const int rc = self(f)->real->pMethods->xSync(self(f)->real, flags);
    if (rc == SQLITE_OK) markSynced(self(f));
    return rc;
}
int xFileSize(sqlite3_file* f, sqlite3_int64* size) {
    return self(f)->real->pMethods->xFileSize(self(f)->real, size);
}
int xLock(sqlite3_file* f, int level) {
    return self(f)->real->pMethods->xLock(self(f)->real, level);
}
int xUnlock(sqlite3_file* f, int level) {
    return self(f)->real->pMethods->xUnlock(self(f)->real, level);
}
int xCheckReservedLock(sqlite3_file* f, int* out) {
    return self(f)->real->pMethods->xCheckReservedLock(self(f)->real, out);
}
int xFileControl(sqlite3_file* f, int op, void* arg) {
    return self(f)->real->pMethods->xFileControl(self(f)->real, op, arg);
}
int xSectorSize(sqlite3_file* f) {
    return self(f)->real->pMethods->xSectorSize(self(f)->real);
}
int xDeviceCharacteristics(sqlite3_file* f) {
    return self(f)->real->pMethods->xDeviceCharacteristics(self(f)->real);
}
int xShmMap(sqlite3_file* f, int region, int size, int extend, void volatile** out) {
    return self(f)->real->pMethods->xShmMap(self(f)->real, region, size, extend, out);
}
int xShmLock(sqlite3_file* f, int offset, int n, int flags) {
    return self(f)->real->pMethods->xShmLock(self(f)->real, offset, n, flags);
}
void xShmBarrier(sqlite3_file* f) {
    self(f)->real->pMethods->xShmBarrier(self(f)->real);
}
int xShmUnmap(sqlite3_file* f, int deleteFlag) {
    return self(f)->real->pMethods->xShmUnmap(self(f)->real, deleteFlag);
}
int xFetch(sqlite3_file* f, sqlite3_int64 at, int n, void** out) {
    return self(f)->real->pMethods->xFetch(self(f)->real, at, n, out);
}
int xUnfetch(sqlite3_file* f, sqlite3_int64 at, void* p) {
    return self(f)->real->pMethods->xUnfetch(self(f)->real, at, p);
}

const sqlite3_io_methods kMethods = {3,
                                     xClose,
                                     xRead,
                                     xWrite,
                                     xTruncate,
                                     xSync,
                                     xFileSize,
                                     xLock,
                                     xUnlock,
                                     xCheckReservedLock,
                                     xFileControl,
                                     xSectorSize,
                                     xDeviceCharacteristics,
                                     xShmMap,
                                     xShmLock,
                                     xShmBarrier,
                                     xShmUnmap,
                                     xFetch,
                                     xUnfetch};

int vfsOpen(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags) {
    File* f = self(file);
    f->real = reinterpret_cast<sqlite3_file*>(f + 1);
    f->watched = (flags & (SQLITE_OPEN_MAIN_DB | SQLITE_OPEN_MAIN_JOURNAL | SQLITE_OPEN_WAL)) != 0;
    f->unsynced = false;
    const int rc = g_real->xOpen(g_real, name, f->real, flags, outFlags);
    // The layer below must offer everything we pass on (version 3: memory maps).
    if (rc != SQLITE_OK || !f->real->pMethods || f->real->pMethods->iVersion < 3) {
        if (rc == SQLITE_OK && f->real->pMethods) f->real->pMethods->xClose(f->real);
        file->pMethods = nullptr;
        return rc == SQLITE_OK ? SQLITE_CANTOPEN : rc;
    }
    file->pMethods = &kMethods;
    return SQLITE_OK;
}

int vfsDelete(sqlite3_vfs*, const char* name, int syncDir) {
    if (syncDir) ++g_syncs;
    return g_real->xDelete(g_real, name, syncDir);
}

sqlite3_vfs g_vfs;

}  // namespace

SyncCounter::SyncCounter() {
    g_real = sqlite3_vfs_find(nullptr);
    g_vfs = *g_real;  // everything else goes straight to the default layer
    g_vfs.zName = "zelkor-sync-counter";
    g_vfs.szOsFile = static_cast<int>(sizeof(File)) + g_real->szOsFile;
    g_vfs.pNext = nullptr;
    g_vfs.xOpen = vfsOpen;
    g_vfs.xDelete = vfsDelete;
    g_syncs = 0;
    g_unsyncedFiles = 0;
    sqlite3_vfs_register(&g_vfs, 1);
}

SyncCounter::~SyncCounter() {
    sqlite3_vfs_unregister(&g_vfs);
    sqlite3_vfs_register(g_real, 1);
}

std::uint64_t SyncCounter::syncs() const {
    return g_syncs.load();
}

bool SyncCounter::unsyncedWrites() const {
    return g_unsyncedFiles.load() > 0;
}

}  // namespace zelkor
