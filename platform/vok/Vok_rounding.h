/// Rounding helpers for pixel arithmetic: Round (half to even) and MulDiv
/// (multiply, then divide rounded to the nearest integer). \file
#pragma once

#include <vok/vok_export.h>

namespace vok {

/// Rounds to the nearest integer, ties to the even neighbour (2.5 -> 2,
/// 3.5 -> 4, -2.5 -> -2). NaN gives 0; values beyond the int range are clamped.
VOK_EXPORT int Round(double X);

/// Number * Numerator / Denominator computed in 64 bits and rounded to the
/// nearest integer, ties away from zero. Returns -1 when Denominator is 0 or
/// the result does not fit into an int, as the platform's routine does.
VOK_EXPORT int MulDiv(int Number, int Numerator, int Denominator);

/// Integer division rounded toward minus infinity (-7 / 2 = -4); B must not be 0.
constexpr long long FloorDiv(long long A, long long B)
{
    const long long Q = A / B;
    return (A % B != 0 && (A < 0) != (B < 0)) ? Q - 1 : Q;
}

} // namespace vok
