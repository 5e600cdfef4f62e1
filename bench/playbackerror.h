// SPDX-License-Identifier: MIT
// playbackerror.h: how far measured showings and hidings of arrows are from their design.
#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

struct PlaybackError
{
    double p50 = 0;
    double p99 = 0;
    double max = 0;
    double drift = 0; // mean error of the last tenth of the round minus the first tenth's
};

// Arrow k is shown at start + (2k - 1) x interval and hidden at start + 2k x interval.
inline PlaybackError playbackError(double start, int interval, const std::vector<double> &shown,
                                   const std::vector<double> &hidden)
{
    const int n = int(std::min(shown.size(), hidden.size()));
    const int edge = std::max(1, n / 10);
    std::vector<double> errors;
    PlaybackError result;
    for (int k = 1; k <= n; ++k) {
        const double showError = shown[size_t(k - 1)] - (start + (2 * k - 1) * interval);
        const double hideError = hidden[size_t(k - 1)] - (start + 2 * k * interval);
        errors.push_back(std::abs(showError));
        errors.push_back(std::abs(hideError));
        if (k <= edge)
            result.drift -= (showError + hideError) / (2 * edge);
        if (k > n - edge)
            result.drift += (showError + hideError) / (2 * edge);
    }
    if (errors.empty())
        return result;
    std::sort(errors.begin(), errors.end());
    const auto at = [&](double p) {
        return errors[std::min(errors.size() - 1, size_t(p * double(errors.size())))];
    };
    result.p50 = at(0.5);
    result.p99 = at(0.99);
    result.max = errors.back();
    return result;
}
