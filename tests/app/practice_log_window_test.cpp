// The real Qt window keeps the same practice log as the replay tool: the
// replay comparison script that turns the log on, pressed with the mouse in
// the window on the same simulated clock, must log the same bytes as the
// tool does for it.
#include "window_fixture.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace velmo::test {

class PracticeLogWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void windowLogsWhatTheReplayLogs();
};

namespace {

constexpr char kLogTime[] = "2026-12-09T14:03:27.412+01:00";
constexpr LocalTime kLogStart{1796821407412, 60};

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

bool StartLog(const QString& dir)
{
    QFile log(dir + "/Practice-log.csv");
    return log.open(QIODevice::WriteOnly); // empty: the first line logged writes the header
}

} // namespace

void PracticeLogWindowTest::windowLogsWhatTheReplayLogs()
{
    QFile script(VELMO_PRACTICE_LOG_SCRIPT);
    QVERIFY(script.open(QIODevice::ReadOnly | QIODevice::Text));
    const QList<QByteArray> lines = script.readAll().split('\n');

    Window w(kLogStart);
    QVERIFY(StartLog(w.dir()));
    w.ShowActive();
    int presses = 0;
    for (const QByteArray& line : lines) {
        const QList<QByteArray> words = line.simplified().split(' ');
        // Typed text is never read by a trainer, so it changes no line.
        if (words[0].isEmpty() || words[0].startsWith('#') || words[0] == "type")
            continue;
        QCOMPARE(words.size(), 2);
        bool number = false;
        const uint value = words[1].toUInt(&number);
        QVERIFY2(number, line.constData());
        if (words[0] == "press") {
            w.Click(static_cast<int>(value));
            ++presses;
        } else {
            QCOMPARE(words[0], QByteArray("wait"));
            w.Wait(value);
        }
    }
    QVERIFY(presses > 10);

    QTemporaryDir replayDir;
    QVERIFY(StartLog(replayDir.path()));
    QProcess replay;
    replay.setWorkingDirectory(replayDir.path());
    replay.setStandardOutputFile(QProcess::nullDevice());
    replay.start(VELMO_REPLAY_BINARY,
                 {"--log-time", kLogTime, "--tick", QString::number(kDefaultStartTick), VELMO_PRACTICE_LOG_SCRIPT});
    QVERIFY(replay.waitForFinished(60000));
    QCOMPARE(replay.exitCode(), 0);

    const QByteArray expected = ReadAll(replayDir.path() + "/Practice-log.csv");
    QVERIFY(expected.count('\n') > 10); // a header and a line per event
    QCOMPARE(ReadAll(w.dir() + "/Practice-log.csv"), expected);
}

} // namespace velmo::test

QTEST_MAIN(velmo::test::PracticeLogWindowTest)
#include "practice_log_window_test.moc"
