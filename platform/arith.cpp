#include "arith.h"

#include "failure.h"

#include <cmath>
#include <limits>

namespace platform {

namespace {

template <class T> T narrow(long long value) {
    if (value < std::numeric_limits<T>::min() || value > std::numeric_limits<T>::max())
        fail("overflow");
    return static_cast<T>(value);
}

// Operands arrive already inside 32 bits (or are literals), so the 64-bit intermediate cannot overflow
// for sums and differences; products are checked with the builtin to stay exact for any operand.
long long checkedProduct(long long a, long long b) {
    long long product = 0;
    if (__builtin_mul_overflow(a, b, &product))
        fail("overflow");
    return product;
}

long long checkedSum(long long a, long long b) {
    long long sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        fail("overflow");
    return sum;
}

long long checkedDifference(long long a, long long b) {
    long long difference = 0;
    if (__builtin_sub_overflow(a, b, &difference))
        fail("overflow");
    return difference;
}

template <class T> T roundTo(double value) {
    if (!std::isfinite(value))
        fail("overflow");
    // nearbyint rounds in the current mode, which is round-to-nearest-even unless someone changed it.
    const double rounded = std::nearbyint(value);
    if (rounded < static_cast<double>(std::numeric_limits<T>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<T>::max()))
        fail("overflow");
    return static_cast<T>(rounded);
}

} // namespace

Int16 add16(long long a, long long b) {
    return narrow<Int16>(checkedSum(a, b));
}
Int16 sub16(long long a, long long b) {
    return narrow<Int16>(checkedDifference(a, b));
}
Int16 mul16(long long a, long long b) {
    return narrow<Int16>(checkedProduct(a, b));
}
Int32 add32(long long a, long long b) {
    return narrow<Int32>(checkedSum(a, b));
}
Int32 sub32(long long a, long long b) {
    return narrow<Int32>(checkedDifference(a, b));
}
Int32 mul32(long long a, long long b) {
    return narrow<Int32>(checkedProduct(a, b));
}

Int16 to16(long long value) {
    return narrow<Int16>(value);
}
Int32 to32(long long value) {
    return narrow<Int32>(value);
}

double divide(double numerator, double denominator) {
    if (denominator == 0.0)
        fail("division by zero");
    return numerator / denominator;
}

Int16 round16(double value) {
    return roundTo<Int16>(value);
}
Int32 round32(double value) {
    return roundTo<Int32>(value);
}

} // namespace platform
