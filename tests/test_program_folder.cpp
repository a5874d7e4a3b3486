// Where the program keeps its board files and finds its start sound, in the portable layout and in an
// installation for all users.
#include "platform/program.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
void touch(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}
} // namespace

class ProgramFolderTest : public QObject {
    Q_OBJECT
private slots:
    void theProgramsOwnFolderWhenItCanBeWritten() {
        QTemporaryDir root;
        const platform::ProgramPlace place{root.filePath("portable"), root.filePath("home/data"), {}};
        QCOMPARE(platform::chooseProgramFolder(place, [](const QString&) { return true; }), place.programDir);
        QVERIFY(!QDir(place.userDataDir).exists());
    }

    void theUsersDataFolderWhenItCannot() {
        QTemporaryDir root;
        const platform::ProgramPlace place{
            QStringLiteral("/usr/lib/scoreboard"), root.filePath("home/.local/share/sb"), {}};
        QStringList asked;
        const QString chosen = platform::chooseProgramFolder(place, [&](const QString& dir) {
            asked << dir;
            return false;
        });
        QCOMPARE(chosen, place.userDataDir);
        QCOMPARE(asked, QStringList{place.programDir});
        QVERIFY(QDir(chosen).exists()); // made, so the first save has somewhere to go
    }

    void writingIsTriedNotGuessed() {
        QTemporaryDir root;
        QVERIFY(platform::folderCanBeWritten(root.path()));
        QVERIFY(QDir(root.path()).entryList(QDir::Files | QDir::Hidden).isEmpty()); // the probe is gone
        touch(root.filePath("a-file"));
        QVERIFY(!platform::folderCanBeWritten(root.filePath("a-file")));
        QVERIFY(!platform::folderCanBeWritten(root.filePath("missing")));
        // Holds for root too: /proc is no place for files whatever the permissions say.
        QVERIFY(!platform::folderCanBeWritten(QStringLiteral("/proc")));
    }

    void startSoundFromTheProgramFolderElseTheInstalledOne() {
        QTemporaryDir root;
        QDir().mkpath(root.filePath("user"));
        QDir().mkpath(root.filePath("usr/share/sb"));
        const QStringList installed{root.filePath("usr/local/share/sb"), root.filePath("usr/share/sb")};
        // Nowhere: the program folder's path, so the player falls back to the default sound.
        QCOMPARE(platform::locateDataFile("start.wav", root.filePath("user"), installed),
                 root.filePath("user/start.wav"));
        touch(root.filePath("usr/share/sb/start.wav"));
        QCOMPARE(platform::locateDataFile("start.wav", root.filePath("user"), installed),
                 root.filePath("usr/share/sb/start.wav"));
        touch(root.filePath("user/start.wav")); // the operator's own sound wins
        QCOMPARE(platform::locateDataFile("start.wav", root.filePath("user"), installed),
                 root.filePath("user/start.wav"));
    }

    void testsCanMoveTheProgramFolder() {
        QTemporaryDir root;
        platform::setProgramFolderForTesting(root.path());
        QCOMPARE(platform::programFolder(), root.path());
        QCOMPARE(platform::programFile(".scr"), root.path() + "/.scr");
        platform::setProgramFolderForTesting(QString());
        QVERIFY(platform::programFolder() != root.path());
    }
};

QTEST_GUILESS_MAIN(ProgramFolderTest)
#include "test_program_folder.moc"
