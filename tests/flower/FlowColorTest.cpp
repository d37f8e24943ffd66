#include "flower/FlowColor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// The flow colour by its definition: the fraction through fmod, the sector
// of the wheel by a switch.
Vec<double, 3> definedColor(std::int64_t serial, double offset, double period) {
    double v = std::fmod((static_cast<double>(serial) + offset) * period, 1.0);
    if (v < 0) v = v + 1;
    if (std::isnan(v)) v = 0;
    const double h = v * 6.0;
    const int s = static_cast<int>(h);
    const double f = h - s;
    switch (s) {
    case 1: return {1 - f, 1, 0};
    case 2: return {0, 1, f};
    case 3: return {0, 1 - f, 1};
    case 4: return {f, 0, 1};
    case 5: return {1, 0, 1 - f};
    default: return {1, f, 0};
    }
}

// Negative periods (the increment may run the period below 0) and the
// negative offset give negative fractions; whole products give signed zeros.
TEST(FlowColor, TheFastRouteGivesTheDefinedColourBitForBit) {
    const double periods[] = {1e-6, 1e-3, 0.1, 0.618, 1, 2.5, 1000, -1e-6, -0.618, -1, -1000, HUGE_VAL};
    const double offsets[] = {0, 0.5, 1, -0.25};
    auto check = [&](std::int64_t serial) {
        for (double period : periods)
            for (double offset : offsets) {
                const Vec<double, 3> fast = wheelColor(flowWheel(serial, offset, period));
                const Vec<double, 3> defined = definedColor(serial, offset, period);
                ASSERT_EQ(std::memcmp(fast.data(), defined.data(), sizeof(double) * 3), 0)
                    << "serial " << serial << ", offset " << offset << ", period " << period;
            }
    };
    for (std::int64_t serial = 0; serial < 10'500'000; serial += serial < 5000 ? 1 : 997) check(serial);
    for (std::int64_t serial = (1LL << 31) - 2000; serial < (1LL << 31) + 2000; ++serial) check(serial);
    check(1LL << 40);
}

}  // namespace
