#include "cp949.h"

#include <QStringDecoder>
#include <QStringEncoder>

#if __has_include(<iconv.h>)
#include <cerrno>
#include <iconv.h>
#define SCOREBOARD_HAVE_ICONV 1
#endif

namespace platform::cp949 {

namespace {

constexpr const char* qtName = "windows-949";
bool forceIconv = false;

bool qtHasIt() {
    static const bool valid = QStringEncoder(qtName, QStringConverter::Flag::Stateless).isValid() &&
                              QStringDecoder(qtName, QStringConverter::Flag::Stateless).isValid();
    return valid;
}

#ifdef SCOREBOARD_HAVE_ICONV
class Iconv {
public:
    Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Iconv() {
        if (valid())
            iconv_close(cd_);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;
    // iconv_open's failure value is (iconv_t)-1: the cast is the interface's, not ours.
    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); } // NOLINT(performance-no-int-to-ptr)

    // Converts as much as it can; returns how many input bytes were used, and stops at the first
    // sequence it cannot convert (or that is cut off at the end).
    std::size_t convert(const char* in, std::size_t size, QByteArray& out) {
        char* input = const_cast<char*>(in);
        std::size_t left = size;
        char buffer[256];
        while (left > 0) {
            char* output = buffer;
            std::size_t room = sizeof buffer;
            const std::size_t result = iconv(cd_, &input, &left, &output, &room);
            out.append(buffer, static_cast<qsizetype>(output - buffer));
            if (result == static_cast<std::size_t>(-1) && errno != E2BIG)
                break;
        }
        return size - left;
    }

private:
    iconv_t cd_;
};

bool iconvHasIt() {
    static const bool valid = Iconv("CP949", "UTF-8").valid() && Iconv("UTF-8", "CP949").valid();
    return valid;
}

std::size_t utf8Length(unsigned char lead) {
    return lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

Encoded encodeWithIconv(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    Encoded result;
    Iconv cd("CP949", "UTF-8");
    std::size_t at = 0;
    const auto size = static_cast<std::size_t>(utf8.size());
    while (at < size) {
        at += cd.convert(utf8.constData() + at, size - at, result.bytes);
        if (at < size) {
            // A character without a CP949 form: one "?" for the whole character, as Qt writes it.
            result.bytes.append('?');
            result.exact = false;
            at += utf8Length(static_cast<unsigned char>(utf8[static_cast<qsizetype>(at)]));
        }
    }
    return result;
}

QString decodeWithIconv(QByteArrayView bytes) {
    QByteArray utf8;
    Iconv cd("UTF-8", "CP949");
    std::size_t at = 0;
    const auto size = static_cast<std::size_t>(bytes.size());
    while (at < size) {
        at += cd.convert(bytes.data() + at, size - at, utf8);
        if (at < size) {
            utf8.append("\xEF\xBF\xBD"); // U+FFFD for the byte that starts no character
            ++at;
        }
    }
    return QString::fromUtf8(utf8);
}
#endif

} // namespace

Converter converter() {
#ifdef SCOREBOARD_HAVE_ICONV
    if ((forceIconv || !qtHasIt()) && iconvHasIt())
        return Converter::Iconv;
#endif
    return qtHasIt() ? Converter::Qt : Converter::None;
}

void useIconvForTesting(bool iconv) {
    forceIconv = iconv;
}

Encoded encode(const QString& text) {
    const Converter use = converter();
    if (use == Converter::Qt) {
        QStringEncoder encoder(qtName, QStringConverter::Flag::Stateless);
        Encoded result{encoder.encode(text), true};
        result.exact = !encoder.hasError();
        return result;
    }
#ifdef SCOREBOARD_HAVE_ICONV
    if (use == Converter::Iconv)
        return encodeWithIconv(text);
#endif
    // No Korean converter at all: the ASCII part survives, every other character is "?".
    Encoded result;
    for (const QChar c : text) {
        if (c.isLowSurrogate())
            continue;
        const bool ascii = c.unicode() < 0x80;
        result.exact = result.exact && ascii;
        result.bytes.append(ascii ? static_cast<char>(c.unicode()) : '?');
    }
    return result;
}

namespace {

bool isLead(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}
bool isTrail(unsigned char byte) {
    return (byte >= 0x41 && byte <= 0x5A) || (byte >= 0x61 && byte <= 0x7A) || (byte >= 0x81 && byte <= 0xFE);
}

// Whether the text ends in a lead byte whose trail byte is cut off ("이" is B9 CF; a line ending in B9).
// A lead byte followed by a byte that can't be a trail byte stands alone, and the next byte starts afresh.
bool endsInCutLead(QByteArrayView bytes) {
    const qsizetype n = bytes.size();
    qsizetype at = 0;
    while (at < n) {
        const auto byte = static_cast<unsigned char>(bytes[at]);
        if (!isLead(byte)) {
            ++at;
        } else if (at + 1 == n) {
            return true;
        } else {
            at += isTrail(static_cast<unsigned char>(bytes[at + 1])) ? 2 : 1;
        }
    }
    return false;
}

QString decodeWhole(QByteArrayView bytes) {
    const Converter use = converter();
    if (use == Converter::Qt) {
        QStringDecoder decoder(qtName, QStringConverter::Flag::Stateless);
        return decoder.decode(bytes);
    }
#ifdef SCOREBOARD_HAVE_ICONV
    if (use == Converter::Iconv)
        return decodeWithIconv(bytes);
#endif
    QString text;
    for (const char byte : bytes)
        text.append(static_cast<unsigned char>(byte) < 0x80 ? QChar(QLatin1Char(byte))
                                                            : QChar(QChar::ReplacementCharacter));
    return text;
}

} // namespace

// A lead byte cut off at the end is one U+FFFD, as any other byte that starts no character: ICU's
// stateless decoder would drop it without a trace, where iconv reports it.
QString decode(QByteArrayView bytes) {
    if (endsInCutLead(bytes))
        return decodeWhole(bytes.chopped(1)) + QChar(QChar::ReplacementCharacter);
    return decodeWhole(bytes);
}

} // namespace platform::cp949
