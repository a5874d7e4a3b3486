#pragma once

// Builders that every test may use, GUI or not: they need Qt Core and the game alone, so the board-file
// format test links no screen.
#include "game/module1.h"
#include "platform/program.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>

// CP949 bytes of the names the board-file fixtures use.
#define MIDEUM "\xB9\xCF\xC0\xBD" // 믿음
#define SOMANG "\xBC\xD2\xB8\xC1" // 소망
#define SARANG "\xBB\xE7\xB6\xFB" // 사랑

namespace testing {

// The board of the worked example: three teams, 믿음 with 120 points, 소망 80, 사랑 0.
inline const QByteArray exampleFile =
    QByteArrayLiteral("3;500;50\r\n" MIDEUM ";120\r\n" SOMANG ";80\r\n" SARANG ";0\r\n"
                      "\r\n");

inline QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Writes a file of exactly these bytes; a file that cannot be written ends the test program.
inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// Puts a board file into the program folder: name "a" is the file a.scr.
inline void putBoard(const QString& name, const QByteArray& bytes) {
    writeFile(platform::programFile(name + QStringLiteral(".scr")), bytes);
}

// The bytes of a file, or "(missing)".
inline QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// Teams named and scored as given, with the board's maximum score and running speed.
inline void setBoard(game::Module1& g, const QStringList& names, const QList<int>& scores,
                     platform::Int32 max = 500, platform::Int16 speed = 50) {
    g.Team_Count = static_cast<platform::Int16>(names.size());
    for (int i = 0; i < names.size(); ++i) {
        g.Team_Name(i) = names[i];
        g.Team_Score(i) = scores[i];
    }
    g.Max_Score = max;
    g.Run_Speed = speed;
}

} // namespace testing
