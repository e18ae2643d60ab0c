#include <vok/Vok_rounding.h>

#include <climits>
#include <cmath>
#include <cstdint>

namespace vok {

int Round(double X)
{
    if (std::isnan(X))
        return 0;
    if (X >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (X <= static_cast<double>(INT_MIN))
        return INT_MIN;
    const double Floor = std::floor(X);
    const double Fraction = X - Floor;
    double Result = Floor;
    if (Fraction > 0.5 || (Fraction == 0.5 && std::fmod(Floor, 2.0) != 0.0))
        Result = Floor + 1.0;
    return static_cast<int>(Result);
}

int MulDiv(int Number, int Numerator, int Denominator)
{
    if (Denominator == 0)
        return -1;
    const std::int64_t Product = static_cast<std::int64_t>(Number) * Numerator;
    const std::int64_t Divisor = Denominator;
    std::int64_t Quotient = Product / Divisor;
    const std::int64_t Remainder = Product % Divisor;
    // Round half away from zero: compare twice the remainder with the divisor.
    const std::int64_t TwiceRemainder = Remainder < 0 ? -2 * Remainder : 2 * Remainder;
    const std::int64_t AbsDivisor = Divisor < 0 ? -Divisor : Divisor;
    if (TwiceRemainder >= AbsDivisor)
        Quotient += ((Product < 0) != (Divisor < 0)) ? -1 : 1;
    if (Quotient > INT_MAX || Quotient < INT_MIN)
        return -1;
    return static_cast<int>(Quotient);
}

} // namespace vok
