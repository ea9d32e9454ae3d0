// bench_lookup [LIBRARY] [benchmark options]: the transaction desk's member lookup
// ("select ... from MEMBER WHERE Id = ? and Status>0" through Database::exec) on a
// large sample library. The desk runs it on every keystroke of the member
// number, so one call must stay well under a millisecond.
#include <benchmark/benchmark.h>

#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>

#include "bench_args.h"
#include "bench_library.h"
#include "db/database.h"

using namespace zelkor;

namespace {

const QString kLookup =
    "select Id, Nama, Alamat, Kategori, DurasiPinjam from MEMBER WHERE Id = ? and Status>0";

Database* g_db = nullptr;
QStringList g_active, g_inactive, g_typed;

// One lookup as the desk does it: the five values into the member panel.
bool lookup(const QString& id) {
    QString panel[5];
    bool found = false;
    g_db->exec(kLookup, {id}, [&](const DbRow& row) {
        if (row.text(0).isEmpty()) return;
        for (int i = 0; i < 5; ++i) panel[i] = row.text(i);
        found = true;
    });
    benchmark::DoNotOptimize(panel);
    return found;
}

void run(benchmark::State& state, const QStringList& ids, bool expectFound) {
    std::size_t i = 0;
    for (auto _ : state) {
        if (lookup(ids[static_cast<int>(i++ % ids.size())]) != expectFound) {
            state.SkipWithError("lookup gave the wrong answer");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations());
}

// A whole member number of an active member: the panel fills.
void BM_LookupActiveMember(benchmark::State& state) {
    run(state, g_active, true);
}
// A member who left (Status "0"): found by the index, refused by the filter.
void BM_LookupInactiveMember(benchmark::State& state) {
    run(state, g_inactive, false);
}
// The keystrokes before the number is whole: "M", "M0", "M00", ... find nobody.
void BM_LookupWhileTyping(benchmark::State& state) {
    run(state, g_typed, false);
}

BENCHMARK(BM_LookupActiveMember)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LookupInactiveMember)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LookupWhileTyping)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    bench::BenchArgs args(argc, argv, "usage: bench_lookup [library.db] [--benchmark_...]", {}, {},
                          "--benchmark_");
    if (!args.ok()) return 2;
    const QString path = bench::BenchLibrary(args.path());
    if (path.isEmpty()) return 1;
    QString error;
    std::unique_ptr<Database> db = Database::open(path, &error, Database::Mode::ExistingOnly);
    if (!db) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(error));
        return 1;
    }
    g_db = db.get();
    db->exec("select Id, Status from Member", {},
             [](const DbRow& row) { (row.text(1) == "1" ? g_active : g_inactive) << row.text(0); });
    if (g_active.isEmpty() || g_inactive.isEmpty()) {
        std::fprintf(stderr, "%s holds no sample members\n", qPrintable(path));
        return 1;
    }
    // Members come to the desk in no particular order.
    std::mt19937 shuffle(7);
    std::shuffle(g_active.begin(), g_active.end(), shuffle);
    std::shuffle(g_inactive.begin(), g_inactive.end(), shuffle);
    for (const QString& id : g_active.mid(0, 1000))
        for (int n = 1; n < id.size(); ++n) g_typed << id.left(n);
    std::printf("library: %s (%lld members)\n", qPrintable(path),
                static_cast<long long>(g_active.size() + g_inactive.size()));

    // Our own argument (the library) is not one of Google Benchmark's.
    std::vector<QByteArray> passed;
    for (const QString& a : args.passedThrough()) passed.push_back(a.toLocal8Bit());
    std::vector<char*> benchArgs{argv[0]};
    for (QByteArray& a : passed) benchArgs.push_back(a.data());
    int n = static_cast<int>(benchArgs.size());
    benchmark::Initialize(&n, benchArgs.data());
    if (benchmark::ReportUnrecognizedArguments(n, benchArgs.data())) return 2;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
