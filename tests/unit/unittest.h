// SPDX-License-Identifier: MIT
// unittest.h: the logic tests run by doctest, which also runs where Qt does not (the Windows
// build under Wine), taught to show the lists they compare.
#pragma once

// The Windows cross compilers' threads have no std::mutex; the tests run on one thread.
#define DOCTEST_CONFIG_NO_MULTITHREADING
#include <doctest.h>

#include <string>
#include <vector>

namespace doctest {

template<typename T>
struct StringMaker<std::vector<T>>
{
    static String convert(const std::vector<T> &items)
    {
        String shown = "{";
        for (size_t i = 0; i < items.size(); ++i)
            shown += (i ? ", " : "") + toString(items[i]);
        return shown + "}";
    }
};

} // namespace doctest
