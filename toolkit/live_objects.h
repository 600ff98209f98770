#pragma once

namespace quillcast {

// Counts the handles and GDI/USER objects held by the program's owners, so that a
// test build can prove nothing is left behind (the system's own counters are not
// available everywhere). In the product the counting compiles away.
class LiveObjects {
public:
    enum class Kind { Kernel, Gdi, User, Count };

#ifdef QC_TEST_HOOKS
    static void Acquired(Kind kind) noexcept { ++Counts()[static_cast<int>(kind)]; }
    static void Released(Kind kind) noexcept { --Counts()[static_cast<int>(kind)]; }
    static long Live(Kind kind) noexcept { return Counts()[static_cast<int>(kind)]; }

private:
    static long* Counts() noexcept {
        static long counts[static_cast<int>(Kind::Count)] = {};
        return counts;
    }
#else
    static void Acquired(Kind) noexcept {}
    static void Released(Kind) noexcept {}
    static long Live(Kind) noexcept { return -1; }
#endif
};

}  // namespace quillcast
