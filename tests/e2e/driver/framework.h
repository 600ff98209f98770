#pragma once
// A small test framework for driving a Windows program from outside: named cases in
// a table, a failure is an exception, every wait polls against a deadline.
#include <chrono>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace e2e {

class CaseContext;

struct TestCase {
    std::string name;
    std::function<void(CaseContext&)> run;
};

// Thrown by a failed check; the runner prints its text as the reason.
class CheckFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(const std::string& reason);

inline void check(bool condition, const std::string& what) {
    if (!condition) fail(what);
}

template <class T>
std::string show(const T& value) {
    std::ostringstream out;
    out << value;
    return out.str();
}
std::string show(const std::string& value);  // quoted, control bytes escaped
inline std::string show(const char* value) { return show(std::string(value)); }

template <class A, class E>
void checkEqual(const A& actual, const E& expected, const std::string& what) {
    if (!(actual == expected)) fail(what + ": got " + show(actual) + ", expected " + show(expected));
}

// Collects the mismatches of a table so that one run reports all of them at once.
class Findings {
public:
    void expect(bool condition, const std::string& what) {
        if (!condition) problems_.push_back(what);
    }
    template <class A, class E>
    void expectEqual(const A& actual, const E& expected, const std::string& what) {
        if (!(actual == expected)) problems_.push_back(what + ": got " + show(actual) + ", expected " + show(expected));
    }
    // Fails with every mismatch found, "; "-separated.
    void report() const;

private:
    std::vector<std::string> problems_;
};

using Milliseconds = std::chrono::milliseconds;
inline constexpr Milliseconds kShortWait{10000};
inline constexpr Milliseconds kStartWait{20000};

// Polls `condition` until it holds; fails with "timed out waiting for <what>" at the deadline.
template <class Condition>
void waitUntil(Condition&& condition, const std::string& what, Milliseconds timeout = kShortWait) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) fail("timed out waiting for " + what);
        std::this_thread::sleep_for(Milliseconds(5));
    }
}

// Polls until `get()` equals `expected`; at the deadline reports the last value seen.
template <class Getter, class E>
void waitForValue(Getter&& get, const E& expected, const std::string& what, Milliseconds timeout = kShortWait) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        const auto value = get();
        if (value == expected) return;
        if (std::chrono::steady_clock::now() >= deadline)
            fail("timed out waiting for " + what + ": still " + show(value) + ", expected " + show(expected));
        std::this_thread::sleep_for(Milliseconds(5));
    }
}

// Matches a case name against a filter: comma-separated patterns, '*' matches any run.
bool matchesFilter(const std::string& name, const std::string& filter);

}  // namespace e2e
