// zelkor-newdb PATH [--password PW]: a new, empty library database with the
// administrator account "admin". The file appears only when it is complete, and
// an existing file is never touched.
#include <QString>
#include <cstring>
#include <iostream>
#include <string>

#include "accounts/password_hash.h"
#include "empty_library.h"
#include "tool_support.h"

using namespace zelkor;
using namespace zelkor::tools;

namespace {

const char* const kUsage =
    "usage: zelkor-newdb PATH [--password PW]\n"
    "Creates a new, empty library database at PATH with the administrator account \"admin\".\n"
    "Without --password the password is asked twice on the terminal (or read as two lines\n"
    "from standard input). An existing PATH is never changed.\n";

struct Options {
    std::string path;
    std::string password;
    bool passwordGiven = false;
};

// 0 to go on, otherwise the exit code.
int parse(int argc, char** argv, Options* o) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--help" || a == "-h") {
            std::cout << kUsage;
            return -1;
        }
        if (a == "--password") {
            if (i + 1 >= argc) {
                std::cerr << "zelkor-newdb: --password needs a value\n" << kUsage;
                return kExitFailed;
            }
            o->password = argv[++i];
            o->passwordGiven = true;
        } else if (a.rfind("--password=", 0) == 0) {
            o->password = a.substr(std::strlen("--password="));
            o->passwordGiven = true;
        } else if (!a.empty() && a[0] != '-' && o->path.empty()) {
            o->path = a;
        } else {
            std::cerr << "zelkor-newdb: unexpected argument \"" << a << "\"\n" << kUsage;
            return kExitFailed;
        }
    }
    if (o->path.empty()) {
        std::cerr << kUsage;
        return kExitFailed;
    }
    return 0;
}

bool askPassword(std::string* out) {
    std::string again;
    if (!ReadPassword("Password for admin: ", out) || !ReadPassword("Repeat the password: ", &again)) {
        std::cerr << "zelkor-newdb: no password given; nothing was created.\n";
        return false;
    }
    if (*out != again) {
        std::cerr << "zelkor-newdb: the two passwords differ; nothing was created.\n";
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (const int rc = parse(argc, argv, &o)) return rc < 0 ? kExitOk : rc;

    NewFile file(o.path);
    if (RefuseExisting("zelkor-newdb", file)) return kExitFileExists;
    if (!o.passwordGiven && !askPassword(&o.password)) return kExitFailed;
    if (o.password.empty()) {
        std::cerr << "zelkor-newdb: the password must not be empty; nothing was created.\n";
        return kExitFailed;
    }
    const QString hash = HashPassword(QString::fromLocal8Bit(o.password.c_str()));
    if (hash.isEmpty()) {
        std::cerr << "zelkor-newdb: the password could not be hashed; nothing was created.\n";
        return kExitFailed;
    }

    const int rc = MakeNewFile("zelkor-newdb", file, [&](const std::string& temp, std::string* error) {
        return FillEmptyLibrary(temp, hash, error);
    });
    if (rc != kExitOk) return rc;
    std::cout << "Created " << o.path << ": an empty library with the administrator account \"admin\".\n";
    return kExitOk;
}
