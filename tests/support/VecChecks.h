// Checks on the geometry value types.
#pragma once

#include "camera/Vec.h"

#include <gtest/gtest.h>

inline void expectNear(const Vec<double, 3>& a, const Vec<double, 3>& b, double tol = 1e-6) {
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(a[i], b[i], tol) << "element " << i;
}
