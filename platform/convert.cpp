#include "convert.h"

#include "failure.h"

#include <limits>

namespace platform {

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}
bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Reads "[blanks][sign]digits[.digits][blanks]" (or ".digits") and rounds it exactly from the decimal
// digits, halves to even: "13.5" is 14, "12.5" is 12, "3.4999999999999999999" is 3 (a double would
// have made that 3.5 and then 4). Integer parts too long for any target saturate, so the range check
// of the caller fails them.
long long parseRounded(const QString& text) {
    constexpr long long saturated = std::numeric_limits<long long>::max() / 20;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    long long whole = 0;
    int digits = 0;
    for (; i < n && isAsciiDigit(text[i]); ++i, ++digits)
        whole = whole >= saturated ? saturated : whole * 10 + (text[i].unicode() - u'0');

    // The fraction decides only the rounding: below, exactly at or above one half.
    int firstFractionDigit = 0;
    bool restNonZero = false;
    if (i < n && text[i] == u'.') {
        ++i;
        bool first = true;
        for (; i < n && isAsciiDigit(text[i]); ++i, ++digits) {
            const int d = text[i].unicode() - u'0';
            if (first)
                firstFractionDigit = d;
            else if (d != 0)
                restNonZero = true;
            first = false;
        }
    }
    while (i < n && isBlank(text[i]))
        ++i;
    if (digits == 0 || i != n)
        fail("type mismatch");

    const bool aboveHalf = firstFractionDigit > 5 || (firstFractionDigit == 5 && restNonZero);
    const bool exactlyHalf = firstFractionDigit == 5 && !restNonZero;
    if (aboveHalf || (exactlyHalf && whole % 2 == 1))
        whole = whole >= saturated ? saturated : whole + 1;
    return negative ? -whole : whole;
}

} // namespace

QString numberText(long long value) {
    return QString::number(value);
}

Int16 textToInt16(const QString& text) {
    return to16(parseRounded(text));
}
Int32 textToInt32(const QString& text) {
    return to32(parseRounded(text));
}

} // namespace platform
