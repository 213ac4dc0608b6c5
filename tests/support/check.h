// A small test harness for the Qt-free code, which is also built with MinGW and
// run under Wine, where neither Qt Test nor GoogleTest is available.
#pragma once

#include <cstdio>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace check {

struct Case {
    const char* name;
    std::function<void()> body;
};

inline std::vector<Case>& registry() {
    static std::vector<Case> cases;
    return cases;
}

inline int& failures() {
    static int count = 0;
    return count;
}

struct Register {
    Register(const char* name, std::function<void()> body) {
        registry().push_back({name, std::move(body)});
    }
};

template <typename T>
std::string show(const T& value) {
    std::ostringstream out;
    out << value;
    return out.str();
}

inline void fail(const char* file, int line, const std::string& what) {
    ++failures();
    std::printf("  FAIL %s:%d: %s\n", file, line, what.c_str());
}

// Runs the cases whose name contains the first argument, or all of them.
inline int run(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const std::string filter = argc > 1 ? argv[1] : "";
    int passed = 0;
    int failed = 0;
    for (const Case& c : registry()) {
        if (!filter.empty() && std::string(c.name).find(filter) == std::string::npos) {
            continue;
        }
        const int before = failures();
        std::printf("%s\n", c.name);
        c.body();
        if (failures() == before) {
            ++passed;
        } else {
            ++failed;
        }
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}

}  // namespace check

#define CHECK_CONCAT_(a, b) a##b
#define CHECK_CONCAT(a, b) CHECK_CONCAT_(a, b)

#define TEST_CASE(name)                                             \
    static void CHECK_CONCAT(check_case_, __LINE__)();              \
    static check::Register CHECK_CONCAT(check_register_, __LINE__)( \
        name, CHECK_CONCAT(check_case_, __LINE__));                 \
    static void CHECK_CONCAT(check_case_, __LINE__)()

#define CHECK(condition)                                              \
    do {                                                              \
        if (!(condition)) {                                           \
            check::fail(__FILE__, __LINE__, "CHECK(" #condition ")"); \
        }                                                             \
    } while (0)

#define CHECK_EQ(actual, expected)                                                                 \
    do {                                                                                           \
        const auto& check_a = (actual);                                                            \
        const auto& check_e = (expected);                                                          \
        if (!(check_a == check_e)) {                                                               \
            check::fail(__FILE__, __LINE__,                                                        \
                        #actual " == " #expected ": got " + check::show(check_a) + ", expected " + \
                            check::show(check_e));                                                 \
        }                                                                                          \
    } while (0)

// Stops the current case; for preconditions the rest of the case depends on.
#define REQUIRE(condition)                                              \
    do {                                                                \
        if (!(condition)) {                                             \
            check::fail(__FILE__, __LINE__, "REQUIRE(" #condition ")"); \
            return;                                                     \
        }                                                               \
    } while (0)

#define CHECK_MAIN                     \
    int main(int argc, char** argv) {  \
        return check::run(argc, argv); \
    }
