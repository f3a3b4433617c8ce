#include "framework/MonitorPlacement.h"

#include <gtest/gtest.h>

#include <ostream>

namespace velkaro {

void PrintTo(const TScreenRect& rect, std::ostream* out) {
    *out << "{" << rect.Left << ", " << rect.Top << ", " << rect.Right << ", " << rect.Bottom
         << "}";
}

namespace {

TEST(Monitors, AWindowOpensOnTheMonitorHoldingMostOfItsOpenerAndWholeInItsWorkArea) {
    // The primary listed second, so that the first of the list is not taken for it.
    const TMonitors monitors = {
        {{1920, 0, 3840, 1080}, {1920, 0, 3840, 1080}, false},
        {{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, true},
    };
    const struct {
        const char* Name;
        std::optional<TScreenRect> Opener;
        std::size_t Monitor;
    } openers[] = {
        {"no opener: the primary", std::nullopt, 1},
        {"wholly on the second", TScreenRect{2000, 100, 2300, 300}, 0},
        {"across the seam, more on the second", TScreenRect{1800, 100, 2100, 300}, 0},
        {"across the seam, more on the primary", TScreenRect{1700, 100, 2000, 300}, 1},
        {"off every monitor, nearer the second", TScreenRect{4000, 100, 4300, 300}, 0},
        {"off every monitor, nearer the primary", TScreenRect{-400, 1200, -100, 1300}, 1},
    };
    for (const auto& c : openers) {
        EXPECT_EQ(&MonitorOfWindow(monitors, c.Opener), &monitors[c.Monitor]) << c.Name;
    }

    const struct {
        const char* Name;
        TScreenRect Area;
        TScreenSize Size;
        TScreenRect Placed;
    } sizes[] = {
        {"centred", {0, 0, 1920, 1040}, {300, 200}, {810, 420, 1110, 620}},
        {"centred in an area away from the origin",
         {1920, 40, 3840, 1080},
         {300, 201},
         {2730, 459, 3030, 660}},
        {"too wide: as wide as the area",
         {1920, 40, 3840, 1080},
         {2000, 200},
         {1920, 460, 3840, 660}},
        {"too large: the area itself", {0, 0, 1920, 1040}, {2500, 1500}, {0, 0, 1920, 1040}},
    };
    for (const auto& c : sizes) {
        EXPECT_EQ(CentredIn(c.Area, c.Size), c.Placed) << c.Name;
    }
}

} // namespace
} // namespace velkaro
