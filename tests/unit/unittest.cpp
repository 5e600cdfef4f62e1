// SPDX-License-Identifier: MIT
// unittest.cpp: runs every TEST of the program, prints each verdict and a closing count.
#include "unittest.h"

#include <cstdio>
#include <exception>

namespace unit {

namespace {

struct Test
{
    const char *name;
    TestFunction function;
};

std::vector<Test> &tests()
{
    static std::vector<Test> all;
    return all;
}

std::string currentRow;

} // namespace

bool add(const char *name, TestFunction test)
{
    tests().push_back({name, test});
    return true;
}

Row::Row(std::string tag) : previous(std::exchange(currentRow, std::move(tag))) { }

Row::~Row()
{
    currentRow = previous;
}

void fail(const std::string &what, const char *file, int line)
{
    std::string where = std::string(file) + ":" + std::to_string(line);
    if (!currentRow.empty())
        where += " [" + currentRow + "]";
    throw Failure{where + ": " + what};
}

} // namespace unit

int main()
{
    int passed = 0;
    int failed = 0;
    for (const auto &test : unit::tests()) {
        try {
            test.function();
            std::printf("PASS   : %s\n", test.name);
            ++passed;
        } catch (const unit::Failure &failure) {
            std::printf("FAIL!  : %s %s\n", test.name, failure.message.c_str());
            ++failed;
        } catch (const std::exception &e) {
            std::printf("FAIL!  : %s threw %s\n", test.name, e.what());
            ++failed;
        }
        unit::currentRow.clear();
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
