// SPDX-License-Identifier: MIT
// unittest.h: a small test runner for the logic tests, which also run where Qt does not (the
// Windows build under Wine). A failed CHECK ends its test, or only its row inside unit::row,
// so that one failing row does not hide the rows after it.
#pragma once

#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

namespace unit {

inline std::vector<std::pair<const char *, void (*)()>> tests;
void row(const std::string &tag, const std::function<void()> &body);

[[noreturn]] inline void fail(const std::string &what, const char *file, int line)
{
    throw std::runtime_error(std::string(file) + ":" + std::to_string(line) + ": " + what);
}

template<typename T>
std::string show(const T &value)
{
    std::ostringstream out;
    if constexpr (std::is_enum_v<T>) {
        out << static_cast<long long>(value);
    } else if constexpr (requires { out << value; }) {
        out << std::boolalpha << value;
    } else if constexpr (requires { value.first; }) {
        out << "(" << show(value.first) << ", " << show(value.second) << ")";
    } else {
        out << "{";
        for (const auto &item : value)
            out << (out.tellp() > 1 ? ", " : "") << show(item);
        out << "}";
    }
    return out.str();
}

} // namespace unit

#define TEST(name) \
    static void name(); \
    [[maybe_unused]] static const bool name##Added \
            = (unit::tests.emplace_back(#name, name), true); \
    static void name()

#define CHECK(condition) \
    do { \
        if (!(condition)) \
            unit::fail("not true: " #condition, __FILE__, __LINE__); \
    } while (false)

#define CHECK_EQ(actual, expected) \
    do { \
        const auto a_ = (actual); \
        const auto e_ = (expected); \
        if (!(a_ == e_)) \
            unit::fail(#actual " is " + unit::show(a_) + ", expected " + unit::show(e_), __FILE__, \
                       __LINE__); \
    } while (false)
