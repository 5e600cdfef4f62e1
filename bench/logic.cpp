// SPDX-License-Identifier: MIT
// logic.cpp: the cost of the game's own work as it grows: drawing a 32000-arrow sequence on
// the real generator, and a whole 1,000-round game on the fake platform.
#include "frmmain.h"
#include "gameplay.h"
#include "qtservices.h"

#include <QApplication>

#include <chrono>
#include <cstdio>

namespace {

double msSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 1000;
    constexpr int starts = 50;

    platform::QtServices services;
    frmMain real(services);
    auto begin = std::chrono::steady_clock::now();
    for (int i = 0; i < starts; ++i)
        real.cmdStart->onClick();
    const double perStart = msSince(begin) / starts;

    platform::FakePlatform fake;
    fake.inputAnswers = {"Bench"}; // the name for the high score
    frmMain form(fake);
    begin = std::chrono::steady_clock::now();
    playGameScoring(fake, form, rounds);
    const double game = msSince(begin);
    const double arrows = double(rounds) * (rounds + 1) / 2;
    std::printf("%.3f %.1f %d %.1f %.0f\n", perStart, perStart * 1e6 / frmMain::SequenceCapacity,
                rounds, game, game * 1e6 / (2 * arrows));
    return form.Score == rounds ? 0 : 1;
}
