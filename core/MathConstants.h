// Numbers with a meaning, spelled out once.
#pragma once

namespace math {

constexpr double pi = 3.141592653589793;
constexpr double halfPi = 1.5707963267948966;
// The fraction of the golden ratio, 1 / φ = φ - 1: the part of a turn
// between one seed and the next.
constexpr double golden = 0.6180339887498949;

}  // namespace math
