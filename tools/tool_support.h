#pragma once
// What the command-line tools share: a new database file that appears only when
// it is complete, the steps of making one, and the password prompt.
#include <functional>
#include <string>

namespace zelkor::tools {

// Exit codes of the tools.
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitFileExists = 2;

// A database file made under a temporary name in the target's folder and moved
// to its name only by commit(), which never replaces a file that exists. Until
// then (error, exception, Ctrl-C) the temporary file is removed, so a failed run
// leaves nothing behind and never touches an existing file.
class NewFile {
  public:
    explicit NewFile(std::string target);
    ~NewFile();
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;

    // Whether the target exists already (a file, a folder, a dangling link).
    bool targetExists() const;

    // Creates the empty temporary file; false with `error` set on failure.
    bool create(std::string* error);
    const std::string& tempPath() const { return temp_; }
    const std::string& target() const { return target_; }

    // Flushes the temporary file to disk and gives it the target's name. Fails,
    // leaving the target alone, when the target appeared meanwhile.
    bool commit(std::string* error, bool* existed = nullptr);

  private:
    bool moveToTarget();
    void discard();

    std::string target_;
    std::string temp_;
    bool committed_ = false;
};

// True, after saying so on stderr as "`tool`: PATH exists already...", when the
// target of `file` exists: a tool never changes an existing file.
bool RefuseExisting(const char* tool, const NewFile& file);

// Writes the new library into the temporary file at `tempPath`. Reports a failure
// by returning false with `error` set, or by throwing.
using FillNewFile = std::function<bool(const std::string& tempPath, std::string* error)>;

// Creates `file`, fills it with `fill` and gives it the target's name; false with
// the reason in `error` otherwise (`existed` set when the target appeared
// meanwhile), having left nothing behind. What the program's own windows use.
bool FillAndCommit(NewFile& file, const FillNewFile& fill, std::string* error, bool* existed = nullptr);

// FillAndCommit for a tool: kExitOk
// when that all worked; otherwise says why on stderr ("`tool`: why; nothing was
// created.") and returns the exit code, kExitFileExists when the target appeared
// meanwhile.
int MakeNewFile(const char* tool, NewFile& file, const FillNewFile& fill);

// Reads a password from the terminal without showing it, after printing `prompt`
// on stderr. When standard input is not a terminal it reads one line from it, so
// scripts can pipe passwords in. False at end of input.
bool ReadPassword(const char* prompt, std::string* out);

// The size of a file in bytes, -1 when it cannot be read.
long long FileSize(const std::string& path);

}  // namespace zelkor::tools
