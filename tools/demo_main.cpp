// zelkor-demo PATH [--scale N]: a sample library to try the program on, or a large
// one to measure it with. The same scale on the same day gives the same library.
#include <QDate>
#include <QLocale>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "core/dates.h"
#include "demo/sample_library.h"
#include "tool_support.h"

using namespace zelkor::tools;

namespace {

const char* const kUsage =
    "usage: zelkor-demo PATH [--scale N] [--today yyyy-mm-dd]\n"
    "Creates a sample library at PATH: scale 1 (the default) holds 1,000 items, 200 members,\n"
    "10,000 movements and 3,000 journal lines; --scale 100 holds a hundred times as much.\n"
    "The history runs from 1 January of last year to yesterday (or the day before --today).\n"
    "Operators: admin (password admin) and siti (password siti123). An existing PATH is never changed.\n";

constexpr int kMaxScale = 1000;

struct Options {
    std::string path;
    int scale = 1;
    QDate today = QDate::currentDate();
};

// The value of an option given as "--name value" or "--name=value".
bool optionValue(int argc, char** argv, int& i, const char* name, std::string* value) {
    const std::string a = argv[i];
    const std::string eq = std::string(name) + "=";
    if (a.rfind(eq, 0) == 0) {
        *value = a.substr(eq.size());
        return true;
    }
    if (a == name && i + 1 < argc) {
        *value = argv[++i];
        return true;
    }
    return false;
}

int fail(const std::string& message) {
    std::cerr << "zelkor-demo: " << message << "\n" << kUsage;
    return kExitFailed;
}

// 0 to go on, -1 to end without error, otherwise the exit code.
int parse(int argc, char** argv, Options* o) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        std::string value;
        if (a == "--help" || a == "-h") {
            std::cout << kUsage;
            return -1;
        }
        if (optionValue(argc, argv, i, "--scale", &value)) {
            char* end = nullptr;
            const long n = std::strtol(value.c_str(), &end, 10);
            if (value.empty() || *end || n < 1 || n > kMaxScale)
                return fail("--scale takes a whole number from 1 to " + std::to_string(kMaxScale));
            o->scale = static_cast<int>(n);
        } else if (optionValue(argc, argv, i, "--today", &value)) {
            o->today = zelkor::ParseIsoDate(QString::fromStdString(value));
            if (!o->today.isValid()) return fail("--today takes a date as yyyy-mm-dd");
        } else if (!a.empty() && a[0] != '-' && o->path.empty()) {
            o->path = a;
        } else {
            return fail("unexpected argument \"" + a + "\"");
        }
    }
    if (o->path.empty()) return fail("no PATH given");
    return 0;
}

std::string thousands(long long n) {
    return QLocale(QLocale::English).toString(n).toStdString();
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (const int rc = parse(argc, argv, &o)) return rc < 0 ? kExitOk : rc;

    NewFile file(o.path);
    if (RefuseExisting("zelkor-demo", file)) return kExitFileExists;
    const auto started = std::chrono::steady_clock::now();
    zelkor::demo::SampleSize s;
    const int rc = MakeNewFile("zelkor-demo", file, [&](const std::string& temp, std::string*) {
        s = zelkor::demo::BuildSampleLibrary(temp, o.scale, o.today);
        return true;
    });
    if (rc != kExitOk) return rc;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    char took[32];
    std::snprintf(took, sizeof took, "%.1f", seconds);
    std::cout << "Created " << o.path << " (scale " << o.scale << "): " << thousands(s.items) << " items, "
              << thousands(s.members) << " members (" << thousands(s.inactiveMembers) << " inactive), "
              << thousands(s.movements) << " movements (" << thousands(s.outstanding) << " on loan, "
              << thousands(s.overdue) << " overdue), " << thousands(s.journalLines) << " journal lines, "
              << thousands(s.lostReports) << " lost-item reports, " << s.tariffs << " visit tariffs in "
              << took << " s, " << thousands(FileSize(o.path) / 1024)
              << " KiB. Log in as admin/admin or siti/siti123.\n";
    return kExitOk;
}
