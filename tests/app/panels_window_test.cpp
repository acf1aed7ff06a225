// Each panel driven through the real window: mouse clicks on the buttons,
// texts read back from the widgets, on the simulated clock.
#include "odds/fold_panel.h"
#include "odds/odds_panel.h"
#include "odds/odds_trainer.h"
#include "preflop/preflop_panel.h"
#include "scores/scores_panel.h"
#include "selfcheck/patience_panel.h"
#include "selfcheck/range_panel.h"
#include "selfcheck/tilt_panel.h"
#include "tournament/tournament_panel.h"
#include "window_fixture.h"

#include <QFile>
#include <QRegularExpression>

namespace velmo::test {

class PanelsWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setApplicationName("velmorandine"); }
    void preflopSessionThroughTheWindow();
    void tournamentSessionThroughTheWindow();
    void oddsAnswerThroughTheWindow();
    void foldDrillThroughTheWindow();
    void rangePracticeThroughTheWindow();
    void tiltSensorThroughTheWindow();
    void patienceThroughTheWindow();
    void scoresPanelThroughTheWindow();
    void missingHighscoreFileShowsTheMessage();
};

namespace {

QString FileText(const Window& w)
{
    QFile file(w.dir() + "/Highscores.txt");
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

int PreflopButton(int code)
{
    static const int kButtons[] = {0,
                                   ids::kPreflopOpen,
                                   ids::kPreflopFold,
                                   ids::kPreflopCall,
                                   ids::kPreflopThreeBet,
                                   ids::kPreflopOpenCallThreeBet,
                                   ids::kPreflopOpenFoldToThreeBet,
                                   ids::kPreflopOpenFourBet};
    return kButtons[code];
}

} // namespace

void PanelsWindowTest::preflopSessionThroughTheWindow()
{
    Window w;
    w.ShowActive();
    for (int i = 0; i < 10; ++i) {
        w.Click(ids::kPreflopStart);
        QVERIFY(!w.Text(ids::kPreflopTextBox).isEmpty());
        w.Wait(5000); // slow answers: one point each
        w.Click(PreflopButton(static_cast<int>(w.trainers().preflop.expectedAnswer())));
        QCOMPARE(w.Text(ids::kPreflopScoreBox), QString::number(i + 1));
    }
    w.Click(ids::kPreflopStart);
    QCOMPARE(w.Text(ids::kPreflopTextBox), QString("Session over. Highscore! 10"));
    QCOMPARE(FileText(w), QString("0 0 0 0 10 0 0 0 0 0 "));
    w.Click(ids::kPreflopStart);
    QCOMPARE(w.Text(ids::kPreflopTextBox), QString("Session over"));
    w.Click(ids::kPreflopReset);
    QVERIFY(w.Text(ids::kPreflopTextBox).isEmpty());
    QVERIFY(w.Text(ids::kPreflopScoreBox).isEmpty());
}

void PanelsWindowTest::tournamentSessionThroughTheWindow()
{
    Window w;
    w.ShowActive();
    const QRegularExpression situation("^Blinds \\d+/\\d+, you have \\d+, \\d+ p from bubble, with: [AKQJT2-9][cdhs]"
                                       "[AKQJT2-9][cdhs]$");
    for (int i = 0; i < 10; ++i) {
        w.Click(ids::kTournamentStart);
        QVERIFY2(situation.match(w.Text(ids::kTournamentTextBox)).hasMatch(),
                 qPrintable(w.Text(ids::kTournamentTextBox)));
        w.Wait(5000);
        w.Click(w.trainers().tournament.expectedGroup() <= 4 ? ids::kTournamentPush : ids::kTournamentFold);
        w.Click(ids::kTournamentPush); // a second answer is ignored
        QCOMPARE(w.Text(ids::kTournamentScoreBox), QString::number(i + 1));
    }
    w.Click(ids::kTournamentStart);
    QCOMPARE(w.Text(ids::kTournamentTextBox), QString("Session over. Highscore! 10"));
    QCOMPARE(FileText(w), QString("0 0 0 0 0 10 0 0 0 0 "));
    w.Click(ids::kTournamentReset);
    QVERIFY(w.Text(ids::kTournamentTextBox).isEmpty());
    QVERIFY(w.Text(ids::kTournamentScoreBox).isEmpty());
}

void PanelsWindowTest::oddsAnswerThroughTheWindow()
{
    Window w;
    w.ShowActive();
    w.Click(ids::kOddsStart);
    const QRegularExpression situation("^Pot size: (\\d+)\\. V bets: (\\d+)\\. Hero outs: (\\d+)\\. Streets left: "
                                       "([12])\\.$");
    const auto match = situation.match(w.Text(ids::kOddsTextBox));
    QVERIFY2(match.hasMatch(), qPrintable(w.Text(ids::kOddsTextBox)));
    QCOMPARE(match.captured(1).toInt(), w.trainers().odds.potSize());
    QCOMPARE(match.captured(3).toInt(), w.trainers().odds.outs());

    const int equity = w.trainers().odds.outs() * (w.trainers().odds.streetsLeft() == 1 ? 2 : 4);
    const bool call = equity >= RequiredEquityForFraction(w.trainers().odds.betFraction());
    w.Wait(2500);
    w.Click(call ? ids::kOddsCall : ids::kOddsFold);
    QCOMPARE(w.Text(ids::kOddsTextBox), QString(call ? "correct, call" : "Correct, fold."));
    QCOMPARE(w.Text(ids::kOddsScoreBox), QString("3")); // 1 + 1 + 4000 / 2500
    w.Click(ids::kOddsReset);
    QVERIFY(w.Text(ids::kOddsTextBox).isEmpty());
}

void PanelsWindowTest::foldDrillThroughTheWindow()
{
    Window w;
    w.ShowActive();
    w.Click(ids::kFoldCallOpen);
    QCOMPARE(w.Text(ids::kFoldScoreBox), QString("-4"));
    QVERIFY(w.Text(ids::kFoldTextBox).isEmpty());
    w.Click(ids::kFoldFold);
    const QString shown = w.Text(ids::kFoldTextBox);
    QVERIFY(shown.endsWith('.'));
    QCOMPARE(w.Text(ids::kFoldScoreBox), QString("-3"));
    w.Click(ids::kFoldCallOpen);
    QCOMPARE(w.Text(ids::kFoldTextBox), shown);
    QCOMPARE(w.Text(ids::kFoldScoreBox), QString("-7"));
}

void PanelsWindowTest::rangePracticeThroughTheWindow()
{
    Window w;
    w.ShowActive();
    const QRegularExpression hand("^([AKQJT2-9][cdhs])([AKQJT2-9][cdhs])$");
    w.Click(ids::kRangeCorrect);
    QCOMPARE(w.Text(ids::kRangeResultBox), QString("Runs:0, 0 %"));
    w.Click(ids::kRangeCorrect);
    w.Click(ids::kRangeCorrect);
    w.Click(ids::kRangeIncorrect);
    QCOMPARE(w.Text(ids::kRangeResultBox), QString("Runs:3, 66.6667 %"));
    const auto match = hand.match(w.Text(ids::kRangeCardBox));
    QVERIFY2(match.hasMatch(), qPrintable(w.Text(ids::kRangeCardBox)));
    QVERIFY(match.captured(1) != match.captured(2));
    w.Click(ids::kRangeDone);
    QVERIFY(w.Text(ids::kRangeCardBox).isEmpty());
    // 66.6667 % over 3 hands scores 0, which never beats the 0 of a fresh file.
    QCOMPARE(w.Text(ids::kRangeResultBox), QString("Runs:3, 66.6667 %"));
    QCOMPARE(FileText(w), QString("0 0 0 0 0 0 0 0 0 0 "));
    QCOMPARE(w.trainers().range.pressCount(), 0);
}

void PanelsWindowTest::tiltSensorThroughTheWindow()
{
    Window w;
    w.ShowActive();
    w.Click(ids::kTiltYes);
    QCOMPARE(w.Text(ids::kTiltTextBox), QString("test over"));
    for (int i = 0; i < 8; ++i) {
        w.Click(ids::kTiltStart);
        QVERIFY(w.Text(ids::kTiltTextBox).endsWith('?'));
    }
    w.Click(ids::kTiltStart);
    QCOMPARE(w.Text(ids::kTiltTextBox), QString("Serious tilt, don't play.Level: 225"));
    w.Click(ids::kTiltStart);
    QCOMPARE(w.Text(ids::kTiltTextBox), QString("Test over."));
    w.Click(ids::kTiltReset);
    QVERIFY(w.Text(ids::kTiltTextBox).isEmpty());
}

void PanelsWindowTest::patienceThroughTheWindow()
{
    Window w;
    w.ShowActive();
    w.Click(ids::kPatienceHit);
    const double points = w.Text(ids::kPatiencePointsBox).toDouble();
    QVERIFY(points >= 1 / 260.335 - 1e-6 && points <= 15 / 260.335 + 1e-6);
    w.Click(ids::kPatienceDone);
    QCOMPARE(w.Text(ids::kPatiencePointsBox), QString("Highscore! 0")); // a fraction beats the 0 of a fresh file
    QCOMPARE(w.trainers().patience.hitCount(), 0);
}

void PanelsWindowTest::scoresPanelThroughTheWindow()
{
    Window w;
    w.ShowActive();
    QFile file(w.dir() + "/Highscores.txt");
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("12 30 0 2 25 40 0 0 0 0 ");
    file.close();
    w.Click(ids::kScoresHighscores);
    QVERIFY(w.Text(ids::kScoresTotalBox).endsWith("109"));
    QCOMPARE(FileText(w), QString("12 30 0 2 25 40 0 0 109 0 "));
    w.Click(ids::kScoresReset);
    QCOMPARE(w.Text(ids::kScoresTotalBox), QString("0"));
    QCOMPARE(FileText(w), QString("0 0 0 0 0 0 0 0 0 0 "));
    QVERIFY(w.messages.empty());
}

void PanelsWindowTest::missingHighscoreFileShowsTheMessage()
{
    Window w;
    w.ShowActive();
    QVERIFY(QFile::remove(w.dir() + "/Highscores.txt"));
    w.Click(ids::kScoresHighscores);
    QCOMPARE(int(w.messages.size()), 1);
    QCOMPARE(w.messages[0].text, QString("Highscore list gone?"));
    QCOMPARE(w.messages[0].caption, QString("velmorandine"));
    QVERIFY(!QFile::exists(w.dir() + "/Highscores.txt"));
}

} // namespace velmo::test

QTEST_MAIN(velmo::test::PanelsWindowTest)
#include "panels_window_test.moc"
