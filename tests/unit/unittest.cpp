// SPDX-License-Identifier: MIT
// unittest.cpp: runs every TEST of the program, prints each failure and a closing count.
#include "unittest.h"

#include <cstdio>

namespace unit {

namespace {

std::string current;
int failures = 0;

} // namespace

// Runs body; a failure or an exception inside is printed and counted.
void row(const std::string &tag, const std::function<void()> &body)
{
    try {
        body();
    } catch (const std::exception &e) {
        const std::string where = tag.empty() ? current : current + " [" + tag + "]";
        std::printf("FAIL!  : %s %s\n", where.c_str(), e.what());
        ++failures;
    }
}

} // namespace unit

int main()
{
    for (const auto &[name, test] : unit::tests) {
        unit::current = name;
        unit::row("", test);
    }
    std::printf("%d tests, %d failures\n", int(unit::tests.size()), unit::failures);
    return unit::failures == 0 ? 0 : 1;
}
