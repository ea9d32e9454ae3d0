#pragma once
// The readers run in a child process. FreeXL and liborcus are large parsers of
// untrusted files, and a damaged workbook has been seen to make them read out of
// bounds and to stop on a failed assertion (abort): in a child, such a file costs
// the child, and the program tells the operator instead of dying with it. The
// child also gets a memory budget and a time limit, so a workbook that would take
// all memory or never finish is stopped.
#include <functional>
#include <string>
#include <string_view>

namespace xlstodb {

// Longest a read may take before it is stopped.
inline constexpr int kReadSeconds = 60;
// Memory the child may take beyond what the program already holds.
inline constexpr unsigned long long kReadMemoryBytes = 2ull << 30;

// Runs `read` in a forked child and returns the text it returned. When the child
// cannot be made, dies or takes longer than `seconds`, the text is a message for
// the operator saying so, and `failed` (when given) is set.
std::string RunInChild(const std::function<std::string()>& read, int seconds = kReadSeconds,
                       bool* failed = nullptr);

// What the reader is reading now ("sheet \"Data\""), noted as it goes: should the
// child die, the message names it. Does nothing outside a child of RunInChild.
void NoteReading(std::string_view what);

}  // namespace xlstodb
