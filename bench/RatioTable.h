#pragma once
// The line every benchmark prints for the one table of scripts/bench: our figure against the
// baseline's, both measured in the same run, and the largest ratio that still meets the goal
// (none for a figure shown for information: pass kNoGoal).
#include <cstdio>

namespace velkaro::bench {

constexpr double kNoGoal = 0;

inline void PrintRatio(const char* measure, double ours, double baseline, const char* unit,
                       double goal) {
    std::printf("ratio\t%s\t%.2f %s\t%.2f %s\t%.3f\t", measure, ours, unit, baseline, unit,
                baseline > 0 ? ours / baseline : 0.0);
    if (goal > 0) {
        std::printf("%.2f\n", goal);
    } else {
        std::printf("-\n");
    }
}

} // namespace velkaro::bench
