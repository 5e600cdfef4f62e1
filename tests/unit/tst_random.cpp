// SPDX-License-Identifier: MIT
// tst_random.cpp: arrows are independent, uniform choices among the four.
#include "unittest.h"

#include "arrow.h"
#include "platform/random.h"

#include <array>

TEST(arrowOfRandom)
{
    const std::vector<std::pair<double, int>> rows{
            {0.0, 0},  {0.24999999999999997, 0}, {0.25, 1}, {0.5, 2},
            {0.75, 3}, {0.99999999999999989, 3}, // the largest double below 1 is still left
    };
    for (const auto &[r, arrow] : rows) {
        unit::Row row(unit::show(r));
        CHECK_EQ(int(arrowFromRandom(r)), arrow);
    }
}

TEST(sameSeedSameSequence)
{
    platform::Random a;
    platform::Random b;
    a.seed(45296789);
    b.seed(45296789);
    for (int i = 0; i < 1000; ++i)
        CHECK_EQ(a.next(), b.next());
}

// Chi-square against the uniform distribution, on single arrows (3 degrees of freedom) and
// on consecutive pairs (15). The seeds are fixed, so the verdict never changes; the bounds
// are the 0.1 % critical values.
TEST(uniformAndIndependent)
{
    for (std::uint64_t seed : {std::uint64_t(0), std::uint64_t(1), std::uint64_t(86399999)}) {
        unit::Row row("seed " + std::to_string(seed));
        platform::Random random;
        random.seed(seed);
        std::array<double, 4> singles{};
        std::array<double, 16> pairs{};
        for (int s = 0; s < 20; ++s) {
            int previous = -1;
            for (int i = 0; i < 32000; ++i) {
                const double r = random.next();
                CHECK(r >= 0.0 && r < 1.0);
                const int arrow = arrowFromRandom(r);
                singles[arrow] += 1;
                if (previous >= 0)
                    pairs[previous * 4 + arrow] += 1;
                previous = arrow;
            }
        }
        const auto chiSquare = [](const auto &counts) {
            double total = 0;
            for (double c : counts)
                total += c;
            const double expected = total / double(counts.size());
            double chi = 0;
            for (double c : counts)
                chi += (c - expected) * (c - expected) / expected;
            return chi;
        };
        CHECK(chiSquare(singles) < 16.27);
        CHECK(chiSquare(pairs) < 37.70);
    }
}
