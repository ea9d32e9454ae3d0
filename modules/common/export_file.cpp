#include "export_file.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <system_error>

namespace zelkor_module {

namespace fs = std::filesystem;

size_t CountPieces(std::string_view text, char sep) {
    size_t n = 1;
    for (char c : text) n += c == sep;
    return n;
}

std::string FileStem(std::string_view title, std::string_view fallback) {
    std::string stem;
    bool gap = false;
    for (char ch : title) {
        const unsigned char c = static_cast<unsigned char>(ch);
        const bool keep = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        if (!keep) {
            gap = true;
            continue;
        }
        if (gap && !stem.empty()) stem.push_back('_');
        gap = false;
        if (stem.size() >= 60) break;
        stem.push_back(ch);
    }
    return stem.empty() ? std::string(fallback) : stem;
}

std::string NewReportPath(std::string_view stem, std::string_view extension) {
    std::error_code ec;
    const fs::path dir = fs::current_path(ec) / "laporan";
    if (ec) return {};
    fs::create_directories(dir, ec);
    if (ec || !fs::is_directory(dir)) return {};

    char stamp[32];
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::strftime(stamp, sizeof stamp, "%Y%m%d_%H%M%S", &local);

    const std::string base = std::string(stem) + "_" + stamp;
    for (int n = 1; n < 1000; ++n) {
        const std::string name =
            base + (n == 1 ? std::string() : "_" + std::to_string(n)) + std::string(extension);
        const fs::path path = dir / name;
        if (!fs::exists(path, ec) && !fs::exists(PartPath(path.string()), ec)) return path.string();
    }
    return {};
}

std::string PartPath(const std::string& path) {
    return path + ".part";
}

bool CommitFile(const std::string& from, const std::string& to) {
    if (std::rename(from.c_str(), to.c_str()) == 0) return true;
    std::remove(from.c_str());
    return false;
}

void OpenWithDefaultApplication(const std::string& path) {
    const char* skip = std::getenv("ZELKOR_EXPORT_NO_OPEN");
    if (skip && *skip && std::string_view(skip) != "0") return;

    // Everything the child needs is made before fork: after it only
    // async-signal-safe calls are allowed in a program with threads.
    const char* argv[] = {"xdg-open", path.c_str(), nullptr};
    const pid_t child = fork();
    if (child < 0) return;
    if (child == 0) {
        // The child starts a session of its own and leaves at once; the grandchild
        // runs xdg-open and is adopted by init, so nobody waits for the browser.
        setsid();
        if (fork() != 0) _exit(0);
        const int devnull = open("/dev/null", O_RDWR);
        if (devnull >= 0) {
            dup2(devnull, 0);
            dup2(devnull, 1);
            dup2(devnull, 2);
        }
        close_range(3, ~0U, 0);
        execvp(argv[0], const_cast<char* const*>(argv));
        _exit(127);
    }
    while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
}

size_t Utf8Length(std::string_view text) {
    size_t n = 0;
    for (char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

}  // namespace zelkor_module
