// A reader that dies, hangs or takes all memory costs only its child process.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <new>
#include <thread>
#include <vector>

#include "child_process.h"

using namespace xlstodb;

TEST(RunInChild, ReplyOrAMessageWhateverTheReaderDoes) {
    EXPECT_EQ(RunInChild([] { return std::string(200000, 'x') + "|"; }), std::string(200000, 'x') + "|");

    // A reader that dies is no proof of a damaged file: the message says where it stopped.
    const std::string died = RunInChild([]() -> std::string {
        NoteReading("sheet \"Data\"");
        std::abort();
    });
    EXPECT_EQ(died.rfind("Workbook tidak dapat dibaca: pembacanya berhenti (", 0), 0u) << died;
    EXPECT_NE(died.find(") ketika membaca sheet \"Data\". "), std::string::npos) << died;
    const std::string segv = RunInChild([]() -> std::string {
        std::raise(SIGSEGV);
        return "not reached";
    });
    EXPECT_EQ(segv.rfind("Workbook tidak dapat dibaca: pembacanya berhenti (", 0), 0u) << segv;
    EXPECT_EQ(segv.find("ketika"), std::string::npos) << "the last child's note is gone: " << segv;

    const auto start = std::chrono::steady_clock::now();
    const std::string hung = RunInChild(
        [] {
            std::this_thread::sleep_for(std::chrono::seconds(30));
            return std::string("late");
        },
        1);
    EXPECT_EQ(hung, "Membaca workbook ini terlalu lama (lebih dari 1 detik)..");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));

    // The child has a memory budget: asking for far more fails there, not here.
    const std::string greedy = RunInChild([] {
        try {
            std::vector<char> all(kReadMemoryBytes * 4, 'x');
            return std::string("got it");
        } catch (const std::bad_alloc&) {
            return std::string("no memory");
        }
    });
    EXPECT_EQ(greedy, "no memory");
}
