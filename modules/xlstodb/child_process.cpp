#include "child_process.h"

#include <poll.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace xlstodb {

namespace {

constexpr size_t kNoteBytes = 256;
// In a child, its note (NoteReading), in memory it shares with the program.
char* childNote = nullptr;

// The program's present address space, from /proc/self/statm (in pages).
unsigned long long currentAddressSpace() {
    std::ifstream statm("/proc/self/statm");
    unsigned long long pages = 0;
    statm >> pages;
    return pages * static_cast<unsigned long long>(sysconf(_SC_PAGESIZE));
}

void writeAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        done += static_cast<size_t>(n);
    }
}

// Why a child stopped, for the operator.
std::string stopText(int status) {
    if (WIFEXITED(status)) return "keluar dengan kode " + std::to_string(WEXITSTATUS(status));
    switch (WTERMSIG(status)) {
        case SIGSEGV:
        case SIGBUS:
            return "salah mengakses memori";
        case SIGABRT:
            return "pemeriksaan di dalam pustakanya gagal";
        case SIGKILL:
            return "dihentikan, barangkali karena memorinya habis";
        default:
            return "sinyal " + std::to_string(WTERMSIG(status));
    }
}

[[noreturn]] void runChild(int fd, const std::function<std::string()>& read, unsigned long long memory,
                           char* note) {
    childNote = note;
    const rlimit limit{memory, memory};
    setrlimit(RLIMIT_AS, &limit);
    std::string reply;
    try {
        reply = read();
    } catch (...) {
        reply = "Workbook tidak dapat dibaca..";
    }
    writeAll(fd, reply);
    close(fd);
    _exit(0);  // nothing of the program's own shutdown runs in the child
}

}  // namespace

void NoteReading(std::string_view what) {
    if (!childNote) return;
    const size_t n = std::min(what.size(), kNoteBytes - 1);
    std::memcpy(childNote, what.data(), n);
    childNote[n] = '\0';
}

std::string RunInChild(const std::function<std::string()>& read, int seconds, bool* failed) {
    if (failed) *failed = true;
    const unsigned long long memory = currentAddressSpace() + kReadMemoryBytes;
    int fds[2];
    if (pipe(fds) != 0) return "Workbook tidak dapat dibaca (tidak dapat membuat proses pembaca)..";
    void* shared = mmap(nullptr, kNoteBytes, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    char* note = shared == MAP_FAILED ? nullptr : static_cast<char*>(shared);
    if (note) note[0] = '\0';
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid < 0) {
        close(fds[0]);
        close(fds[1]);
        if (note) munmap(note, kNoteBytes);
        return "Workbook tidak dapat dibaca (tidak dapat membuat proses pembaca)..";
    }
    if (pid == 0) {
        close(fds[0]);
        runChild(fds[1], read, memory, note);
    }
    close(fds[1]);

    // Read the reply as it comes, so a large one never fills the pipe and stalls the child.
    std::string reply;
    bool timedOut = false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    char buf[65536];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            timedOut = true;
            break;
        }
        pollfd p{fds[0], POLLIN, 0};
        const int ready = poll(&p, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) continue;
        const ssize_t n = ::read(fds[0], buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        reply.append(buf, static_cast<size_t>(n));
    }
    close(fds[0]);
    if (timedOut) kill(pid, SIGKILL);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    const std::string where = note ? std::string(note, strnlen(note, kNoteBytes)) : std::string();
    if (note) munmap(note, kNoteBytes);
    if (timedOut)
        return "Membaca workbook ini terlalu lama (lebih dari " + std::to_string(seconds) + " detik)..";
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
        if (failed) *failed = false;
        return reply;
    }
    // The reader's own fault as often as the file's: say what stopped, and where.
    return "Workbook tidak dapat dibaca: pembacanya berhenti (" + stopText(status) + ")" +
           (where.empty() ? "" : " ketika membaca " + where) +
           ". Bukalah di Excel atau LibreOffice lalu simpan kembali..";
}

}  // namespace xlstodb
