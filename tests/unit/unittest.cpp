// SPDX-License-Identifier: MIT
// unittest.cpp: runs every TEST of the program, prints each failure and a closing count.
#include "unittest.h"

#include <cstdio>
#include <exception>
#include <vector>

namespace unit {

namespace {

struct Failure
{
    std::string message;
};

std::vector<std::pair<const char *, void (*)()>> &tests()
{
    static std::vector<std::pair<const char *, void (*)()>> all;
    return all;
}

int failures = 0;

// Runs body; a failure or an exception inside is printed and counted.
void attempt(const std::string &name, const std::function<void()> &body)
{
    try {
        body();
        return;
    } catch (const Failure &failure) {
        std::printf("FAIL!  : %s %s\n", name.c_str(), failure.message.c_str());
    } catch (const std::exception &e) {
        std::printf("FAIL!  : %s threw %s\n", name.c_str(), e.what());
    }
    ++failures;
}

std::string current;

} // namespace

bool add(const char *name, void (*test)())
{
    tests().emplace_back(name, test);
    return true;
}

void fail(const std::string &what, const char *file, int line)
{
    throw Failure{std::string(file) + ":" + std::to_string(line) + ": " + what};
}

void row(const std::string &tag, const std::function<void()> &body)
{
    attempt(current + " [" + tag + "]", body);
}

} // namespace unit

int main()
{
    for (const auto &[name, test] : unit::tests()) {
        unit::current = name;
        unit::attempt(name, test);
    }
    std::printf("%d tests, %d failures\n", int(unit::tests().size()), unit::failures);
    return unit::failures == 0 ? 0 : 1;
}
