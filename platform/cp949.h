#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Text in the Korean code page CP949 (Windows code page 949, the "unified Hangul code"), the encoding of
// the board files. Qt's ICU converter "windows-949" does it; where Qt has no such converter, glibc's
// iconv "CP949" does. ICU's plain "cp949" is IBM's code page of that number and must never be used: it
// has no extended syllables, so 똠 (8C 63 here) and 뷁 (94 EE) would not survive.
namespace platform::cp949 {

struct Encoded {
    QByteArray bytes;
    // False when some character has no CP949 form; each such character was written as "?".
    bool exact = true;
};

Encoded encode(const QString& text);

// Never fails: a byte sequence that is not CP949 becomes U+FFFD, and the text goes on after it.
QString decode(QByteArrayView bytes);

enum class Converter { Qt, Iconv, None };
// Which converter encode and decode use on this system.
Converter converter();
// Tests run the fallback on a system that has both.
void useIconvForTesting(bool iconv);

} // namespace platform::cp949
