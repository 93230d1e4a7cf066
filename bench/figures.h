// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The benchmark's figures, one a line:
//
//   <name> <value>[  target<=<limit> ok|MISSED]
//
// The name ends in its unit (_ms, _kib, _percent) or in _ratio; lines that start with
// '#' are notes. A person reads the table; a machine splits each line on
// blanks.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace padmora::bench {

// The middle sample (the mean of the two middle ones for an even count).
inline double median(std::vector<double> samples)
{
    if (samples.empty())
        return std::nan("");
    std::sort(samples.begin(), samples.end());
    const std::size_t n = samples.size();
    return n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
}

// The smallest sample that at least this share of the samples do not exceed.
inline double percentile(std::vector<double> samples, double share)
{
    if (samples.empty())
        return std::nan("");
    std::sort(samples.begin(), samples.end());
    const double rank = std::ceil(share * double(samples.size()));
    const std::size_t at = std::size_t(std::clamp(rank, 1.0, double(samples.size()))) - 1;
    return samples[at];
}

inline void note(const std::string &text)
{
    std::printf("# %s\n", text.c_str());
    std::fflush(stdout);
}

inline void figure(const std::string &name, double value, std::optional<double> target = std::nullopt)
{
    std::printf("%-54s %10.2f", name.c_str(), value);
    if (target)
        std::printf("  target<=%g %s", *target, value <= *target ? "ok" : "MISSED");
    std::printf("\n");
    std::fflush(stdout);
}

} // namespace padmora::bench
