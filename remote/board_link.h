#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace remote {

// What the phone sees of the board.
struct TeamView {
    int slot = 0;
    QString name;
    qint32 score = 0;
    qint32 pending = 0;
};

struct BoardView {
    bool loaded = false;
    QList<TeamView> teams;
    qint32 maxScore = 0;
    bool racing = false;
    bool celebrating = false;
    bool named = false; // the board has a name, so the phone may save it
};

QByteArray toJson(const BoardView& view);

// The answer to one thing the phone asked: an HTTP status and a message in Korean for the operator.
struct Answer {
    int status = 200;
    QString message;
};

// What the phone may do to the board. Each action runs the board's own procedure, as the press on the
// laptop would, or refuses with a clear answer and changes nothing.
class BoardLink {
public:
    virtual ~BoardLink() = default;
    virtual BoardView view() const = 0;
    virtual Answer givePoints(int slot, const QString& points) = 0;
    virtual Answer startRace() = 0;
    virtual Answer celebrate() = 0;
    virtual Answer save() = 0;
};

// The race board of this program.
class RaceBoardLink final : public BoardLink {
public:
    BoardView view() const override;
    Answer givePoints(int slot, const QString& points) override;
    Answer startRace() override;
    Answer celebrate() override;
    Answer save() override;
};

} // namespace remote
