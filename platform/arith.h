#pragma once

#include <cstdint>

// Checked integer arithmetic of the two integer widths the program uses, and the rounding rule. A result
// that does not fit its type is a Failure, never a wrap-around.
namespace platform {

using Int16 = std::int16_t;
using Int32 = std::int32_t;

Int16 add16(long long a, long long b);
Int16 sub16(long long a, long long b);
Int16 mul16(long long a, long long b);
Int32 add32(long long a, long long b);
Int32 sub32(long long a, long long b);
Int32 mul32(long long a, long long b);

// Narrowing with a range check (an Int32 value stored into a 16-bit field, say).
Int16 to16(long long value);
Int32 to32(long long value);

// Floating-point division that treats a zero divisor as a Failure, as the arithmetic of the board does
// (0 / 0 included): a bar of a board whose maximum score is 0 keeps the width it had.
double divide(double numerator, double denominator);

// Rounds to the nearest integer, halves to the even neighbour, and checks the range after rounding:
// 32767.5 rounds to 32768 and fails as a 16-bit value; -32768.5 rounds to -32768 and fits.
Int16 round16(double value);
Int32 round32(double value);

} // namespace platform
