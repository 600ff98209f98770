#pragma once
#include <cstdio>
#include <cstdlib>

namespace quillcast::fuzz {

// A broken invariant ends the run the way a crash does, so libFuzzer keeps the input.
[[noreturn]] inline void InvariantBroken(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, condition);
    std::abort();
}

}  // namespace quillcast::fuzz

// Checked in every build type: a fuzz target is its assertions.
#define QC_FUZZ_CHECK(condition)                                                       \
    do {                                                                               \
        if (!(condition)) ::quillcast::fuzz::InvariantBroken(#condition, __FILE__, __LINE__); \
    } while (false)
