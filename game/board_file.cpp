#include "board_file.h"

#include "platform/convert.h"
#include "platform/cp949.h"
#include "platform/failure.h"

#include <QStringList>
#include <algorithm>

namespace game {

namespace {

const QString extension = QStringLiteral(".scr");
const QByteArray lineEnd = QByteArrayLiteral("\r\n");

QByteArray ascii(long long number) {
    return platform::numberText(number).toLatin1();
}

// What the file holds for a team name, and whether that is not the name itself.
QByteArray storedName(const QString& name, QString& stored) {
    QString text = name;
    text.replace(u';', QChar(0xFF1B)).replace(u'\r', u' ').replace(u'\n', u' ');
    const platform::cp949::Encoded encoded = platform::cp949::encode(text);
    stored = encoded.exact ? text : platform::cp949::decode(encoded.bytes);
    return encoded.bytes;
}

// Lines as the reader sees them: each ends at CR or CR LF; the last may end at the end of the bytes.
class Lines {
public:
    explicit Lines(QByteArrayView bytes) : bytes_(bytes) {}

    std::optional<QByteArrayView> next() {
        if (at_ >= bytes_.size())
            return std::nullopt;
        const char* begin = bytes_.data() + at_;
        const char* end = bytes_.data() + bytes_.size();
        const char* cr = std::find(begin, end, '\r');
        const QByteArrayView line(begin, cr - begin);
        at_ += line.size();
        if (cr != end) {
            ++at_;
            if (at_ < bytes_.size() && bytes_[at_] == '\n')
                ++at_;
        }
        return line;
    }

private:
    QByteArrayView bytes_;
    qsizetype at_ = 0;
};

// The first `wanted` fields of a line: an empty line has none, a line without ";" has one. Only these
// are decoded; the fields after them, which the reader ignores, cost nothing but the scan for the line's
// end, so a line of 16 MiB of ";" is not split into 16 million strings (about 400 MB for a moment).
// Splitting the bytes is splitting the text: ";" is never the trail byte of a CP949 character.
QStringList fields(QByteArrayView line, int wanted) {
    QStringList result;
    if (line.isEmpty())
        return result;
    qsizetype at = 0;
    while (result.size() < wanted) {
        const qsizetype semicolon = line.indexOf(';', at);
        const qsizetype end = semicolon < 0 ? line.size() : semicolon;
        result << platform::cp949::decode(line.sliced(at, end - at));
        if (semicolon < 0)
            break;
        at = semicolon + 1;
    }
    return result;
}

} // namespace

QString boardFileName(const QString& boardName) {
    return boardName + extension;
}

bool isBoardFileName(const QString& fileName) {
    return fileName.right(3).toUpper() == QLatin1String("SCR");
}

QString boardNameOf(const QString& fileName) {
    return QString(fileName).remove(extension, Qt::CaseSensitive);
}

bool isSafeBoardName(const QString& boardName) {
    if (boardName.contains(u'/') || boardName.contains(u'\\') || boardName.contains(QLatin1String("..")))
        return false;
    return std::none_of(boardName.begin(), boardName.end(),
                        [](QChar c) { return c.category() == QChar::Other_Control; });
}

BoardText writeBoard(const Module1& state, const platform::CheckedArray<Int32, teamSlots>& pending) {
    BoardText text;
    const int teams = std::min<int>(state.Team_Count, boardFileTeams);
    // A count of 0 or below stands as it is and no team line follows; every reader reads no team then.
    const int count = state.Team_Count > boardFileTeams ? boardFileTeams : state.Team_Count;
    QByteArray bytes = ascii(count) + ';' + ascii(state.Max_Score) + ';' + ascii(state.Run_Speed) + lineEnd;
    for (int i = 0; i < teams; ++i) {
        Int32 score = 0;
        if (!platform::skipOnError([&] { score = platform::add32(state.Team_Score(i), pending(i)); })) {
            text.overflowSlot = i;
            return text;
        }
        QString stored;
        bytes += storedName(state.Team_Name(i), stored) + ';' + ascii(score) + lineEnd;
        if (stored != state.Team_Name(i))
            text.changedNames.push_back({i, state.Team_Name(i), stored});
    }
    bytes += lineEnd;
    text.bytes = bytes;
    return text;
}

void readBoard(QByteArrayView bytes, Module1& state) {
    Lines lines(bytes);
    const std::optional<QByteArrayView> first = lines.next();
    if (!first)
        return;
    const QStringList header = fields(*first, 3); // count;max;speed
    platform::skipOnError([&] {
        const Int16 count = platform::textToInt16(header.value(0));
        state.Team_Count = std::clamp<Int16>(count, 0, boardFileTeams);
    });
    platform::skipOnError([&] { state.Max_Score = platform::textToInt32(header.value(1)); });
    platform::skipOnError([&] { state.Run_Speed = platform::textToInt16(header.value(2)); });

    // (A count the file did not give stays what it was, which the screens keep within the ten boxes; the
    // slots are checked all the same.)
    for (int i = 0; i < state.Team_Count; ++i) {
        const std::optional<QByteArrayView> line = lines.next();
        if (!line)
            return; // nothing left to read: this slot and the ones after it keep what they held
        const QStringList team = fields(*line, 2); // name;score
        if (!team.isEmpty())
            platform::skipOnError([&] { state.Team_Name(i) = team.first().left(longestTeamName); });
        platform::skipOnError([&] { state.Team_Score(i) = platform::textToInt32(team.value(1)); });
    }
}

} // namespace game
