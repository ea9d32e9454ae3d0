#include "bench_args.h"

#include "core/heap.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace zelkor::bench {

bool AnswerHelp(int argc, char** argv, const char* usage) {
    // Every benchmark starts here: freed memory is kept as the program keeps it.
    KeepFreedHeap();
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-h") == 0 || std::strcmp(argv[i], "--help") == 0) {
            std::printf("%s\n", usage);
            return true;
        }
    return false;
}

BenchArgs::BenchArgs(int argc, char** argv, const char* usage, const QStringList& withValue,
                     const QStringList& flags, const QString& passThrough)
    : usage_(usage) {
    if (AnswerHelp(argc, argv, usage)) std::exit(0);
    for (int i = 1; i < argc && ok_; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (!passThrough.isEmpty() && arg.startsWith(passThrough)) {
            passed_ << arg;
        } else if (withValue.contains(arg)) {
            if (i + 1 >= argc)
                fail(arg + " needs a value");
            else
                values_[arg] = QString::fromLocal8Bit(argv[++i]);
        } else if (flags.contains(arg)) {
            flags_ << arg;
        } else if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            fail("unknown option " + arg);
        } else if (!path_.isEmpty()) {
            fail("one library only: " + path_ + " and " + arg);
        } else {
            path_ = arg;
        }
    }
}

bool BenchArgs::fail(const QString& why) {
    if (ok_) {
        if (!why.isEmpty()) std::fprintf(stderr, "%s\n", qPrintable(why));
        std::fprintf(stderr, "%s\n", usage_);
    }
    ok_ = false;
    return false;
}

QString BenchArgs::value(const QString& name, const QString& fallback) const {
    const auto it = values_.find(name);
    return it == values_.end() ? fallback : it->second;
}

int BenchArgs::number(const QString& name, int fallback, int min, int max) {
    if (!has(name)) return fallback;
    bool isNumber = false;
    const int n = value(name).toInt(&isNumber);
    if (!isNumber || n < min || n > max) {
        fail(QStringLiteral("%1 takes a whole number from %2 to %3, not \"%4\"")
                 .arg(name)
                 .arg(min)
                 .arg(max)
                 .arg(value(name)));
        return fallback;
    }
    return n;
}

}  // namespace zelkor::bench
