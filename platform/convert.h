#pragma once

#include "arith.h"

#include <QString>

// Text <-> integer, the way numbers are typed by the operator and stored in board files.
namespace platform {

// Plain decimal: digits, a leading "-" when negative, no blanks, no separators, no "+".
QString numberText(long long value);

// The text-to-integer conversion: blanks around the number, one sign and a fractional part are allowed;
// the value is rounded to the nearest integer, halves to even, then range-checked. Anything else
// (empty text, letters, "1,000", "1e3", two signs) is a Failure.
Int16 textToInt16(const QString& text);
Int32 textToInt32(const QString& text);

} // namespace platform
