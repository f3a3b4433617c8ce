#pragma once
// The line every benchmark prints for the one table of scripts/bench: our figure against the
// baseline's, both measured in the same run, and the largest ratio that still meets the goal.
#include <cstdio>

namespace velkaro::bench {

inline void PrintRatio(const char* measure, double ours, double baseline, const char* unit,
                       double goal) {
    std::printf("ratio\t%s\t%.1f %s\t%.1f %s\t%.3f\t%.2f\n", measure, ours, unit, baseline, unit,
                baseline > 0 ? ours / baseline : 0.0, goal);
}

} // namespace velkaro::bench
