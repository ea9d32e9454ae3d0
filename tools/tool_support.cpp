#include "tool_support.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <exception>
#include <iostream>

namespace zelkor::tools {

namespace {

// A signal handler may only use what it finds in static storage: the temporary
// file to remove and the terminal settings to restore when Ctrl-C ends a run.
char g_tempPath[4096];
volatile sig_atomic_t g_haveTemp = 0;
termios g_savedTerminal;
volatile sig_atomic_t g_echoOff = 0;

void onSignal(int sig) {
    if (g_echoOff) tcsetattr(STDIN_FILENO, TCSANOW, &g_savedTerminal);
    if (g_haveTemp) unlink(g_tempPath);
    signal(sig, SIG_DFL);
    raise(sig);
}

void catchSignals() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    for (int sig : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) signal(sig, onSignal);
}

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string errnoText() {
    return std::strerror(errno);
}

bool syncPath(const std::string& path, int flags) {
    const int fd = open(path.c_str(), flags);
    if (fd < 0) return false;
    const bool ok = fsync(fd) == 0;
    close(fd);
    return ok;
}

}  // namespace

NewFile::NewFile(std::string target) : target_(std::move(target)) {}

NewFile::~NewFile() {
    if (!committed_) discard();
}

bool NewFile::targetExists() const {
    struct stat st;
    return lstat(target_.c_str(), &st) == 0;
}

bool NewFile::create(std::string* error) {
    catchSignals();
    std::string pattern = target_ + ".tmp-XXXXXX";
    const int fd = mkstemp(pattern.data());
    if (fd < 0) {
        *error = "cannot create a file in " + folderOf(target_) + ": " + errnoText();
        return false;
    }
    // mkstemp makes the file private; the library gets the usual permissions.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    close(fd);
    temp_ = pattern;
    if (temp_.size() < sizeof g_tempPath) {
        std::memcpy(g_tempPath, temp_.c_str(), temp_.size() + 1);
        g_haveTemp = 1;
    }
    return true;
}

bool NewFile::commit(std::string* error, bool* existed) {
    if (existed) *existed = false;
    if (temp_.empty()) {
        *error = "nothing to save";
        return false;
    }
    if (!syncPath(temp_, O_RDONLY)) {
        *error = "cannot write " + temp_ + ": " + errnoText();
        return false;
    }
    if (!moveToTarget()) {
        if (existed) *existed = errno == EEXIST;
        *error = "cannot create " + target_ + ": " + errnoText();
        return false;
    }
    g_haveTemp = 0;
    temp_.clear();
    committed_ = true;
    syncPath(folderOf(target_), O_RDONLY | O_DIRECTORY);
    return true;
}

// Gives the temporary file the target's name, never replacing a file made there
// meanwhile: link() and renameat2(RENAME_NOREPLACE) refuse an existing name where
// rename() would replace it. A file system with neither (some USB sticks) gets a
// last look before the plain rename.
bool NewFile::moveToTarget() {
    if (link(temp_.c_str(), target_.c_str()) == 0) {
        unlink(temp_.c_str());
        return true;
    }
    if (errno == EEXIST) return false;
    if (renameat2(AT_FDCWD, temp_.c_str(), AT_FDCWD, target_.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    if (targetExists()) {
        errno = EEXIST;
        return false;
    }
    return rename(temp_.c_str(), target_.c_str()) == 0;
}

void NewFile::discard() {
    if (temp_.empty()) return;
    g_haveTemp = 0;
    unlink(temp_.c_str());
    // SQLite's journal, should a run end before it was removed.
    unlink((temp_ + "-journal").c_str());
    temp_.clear();
}

bool RefuseExisting(const char* tool, const NewFile& file) {
    if (!file.targetExists()) return false;
    std::cerr << tool << ": " << file.target()
              << " exists already; it was left as it is. Choose a new file name.\n";
    return true;
}

bool FillAndCommit(NewFile& file, const FillNewFile& fill, std::string* error, bool* existed) {
    try {
        return file.create(error) && fill(file.tempPath(), error) && file.commit(error, existed);
    } catch (const std::exception& e) {
        *error = e.what();
        return false;
    }
}

int MakeNewFile(const char* tool, NewFile& file, const FillNewFile& fill) {
    std::string error;
    bool existed = false;
    if (!FillAndCommit(file, fill, &error, &existed)) {
        std::cerr << tool << ": " << error << "; nothing was created.\n";
        return existed ? kExitFileExists : kExitFailed;
    }
    return kExitOk;
}

bool ReadPassword(const char* prompt, std::string* out) {
    out->clear();
    const bool terminal = isatty(STDIN_FILENO);
    termios saved;
    if (terminal && tcgetattr(STDIN_FILENO, &saved) == 0) {
        catchSignals();
        g_savedTerminal = saved;
        termios quiet = saved;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        quiet.c_lflag |= ECHONL;
        std::cerr << prompt << std::flush;
        g_echoOff = 1;
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
        const bool got = static_cast<bool>(std::getline(std::cin, *out));
        tcsetattr(STDIN_FILENO, TCSANOW, &saved);
        g_echoOff = 0;
        return got;
    }
    // Piped in: no prompt, one line.
    if (!std::getline(std::cin, *out)) return false;
    if (!out->empty() && out->back() == '\r') out->pop_back();
    return true;
}

long long FileSize(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? static_cast<long long>(st.st_size) : -1;
}

}  // namespace zelkor::tools
