// SPDX-License-Identifier: MIT
// unittest.h: a small test runner for the logic tests, which also run where Qt does not
// (the 32-bit Windows build under Wine). Each TEST is a function; CHECK and CHECK_EQ end
// it at the first failure; Row names the data row a failure belongs to.
#pragma once

#include <sstream>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace unit {

struct Failure
{
    std::string message;
};

using TestFunction = void (*)();
bool add(const char *name, TestFunction test);

// While alive, failures name this row of a data-driven test.
class Row
{
public:
    explicit Row(std::string tag);
    ~Row();
    Row(const Row &) = delete;
    Row &operator=(const Row &) = delete;

private:
    std::string previous;
};

template<typename T>
std::string show(const T &value);

template<typename T>
std::string showOne(const T &value)
{
    if constexpr (std::is_same_v<T, std::string>) {
        return '"' + value + '"';
    } else if constexpr (std::is_array_v<T>) {
        return '"' + std::string(value) + '"';
    } else if constexpr (std::is_same_v<T, bool>) {
        return value ? "true" : "false";
    } else if constexpr (std::is_enum_v<T>) {
        return std::to_string(static_cast<long long>(value));
    } else if constexpr (std::is_arithmetic_v<T>) {
        std::ostringstream out;
        out.precision(17);
        out << +value;
        return out.str();
    } else if constexpr (requires {
                             value.first;
                             value.second;
                         }) {
        return "(" + show(value.first) + ", " + show(value.second) + ")";
    } else if constexpr (requires {
                             value.begin();
                             value.end();
                         }) {
        std::string text = "{";
        for (const auto &item : value)
            text += (text.size() > 1 ? ", " : "") + show(item);
        return text + "}";
    } else {
        return "?";
    }
}

template<typename T>
std::string show(const T &value)
{
    return showOne(value);
}

inline std::string show(const char *value)
{
    return show(std::string(value));
}

[[noreturn]] void fail(const std::string &what, const char *file, int line);

template<typename A, typename B>
void compare(const A &actual, const B &expected, const char *actualText, const char *expectedText,
             const char *file, int line)
{
    if (actual == expected)
        return;
    fail(std::string(actualText) + " is " + show(actual) + ", expected " + expectedText + " = "
                 + show(expected),
         file, line);
}

} // namespace unit

#define TEST(name) \
    static void name(); \
    [[maybe_unused]] static const bool name##Added = unit::add(#name, name); \
    static void name()

#define CHECK(condition) \
    do { \
        if (!(condition)) \
            unit::fail("not true: " #condition, __FILE__, __LINE__); \
    } while (false)

#define CHECK_EQ(actual, expected) \
    unit::compare((actual), (expected), #actual, #expected, __FILE__, __LINE__)
