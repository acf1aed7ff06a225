#include "app/qt/message_box.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QLabel>
#include <QTest>

namespace velmo::test {

class MessageBoxTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void plainTextWithOneOkButtonAndNoIcon();
    void wideEnoughForTheWholeTitle_data();
    void wideEnoughForTheWholeTitle();
    void copyKeysPutTheBoxOnTheClipboard_data();
    void copyKeysPutTheBoxOnTheClipboard();
};

void MessageBoxTest::plainTextWithOneOkButtonAndNoIcon()
{
    const auto box = BuildMessageBox("<b>not bold</b>\nsecond line", "Velmorandine", nullptr);
    QCOMPARE(box->standardButtons(), QMessageBox::Ok);
    QCOMPARE(box->icon(), QMessageBox::NoIcon);
    QCOMPARE(box->windowTitle(), QString("Velmorandine"));
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box.get()));
    const QLabel* label = box->findChild<QLabel*>("qt_msgbox_label");
    QVERIFY(label);
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(label->text(), QString("<b>not bold</b>\nsecond line"));
}

void MessageBoxTest::wideEnoughForTheWholeTitle_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::newRow("file failure") << "Highscore list gone?"
                                  << "velmorandine";
    QTest::newRow("short Help") << "Beginners typically overcall."
                                << "Velmorandine";
    QTest::newRow("long title") << "?"
                                << "A title far longer than the text of its box";
}

void MessageBoxTest::wideEnoughForTheWholeTitle()
{
    QFETCH(QString, text);
    QFETCH(QString, title);
    const auto box = BuildMessageBox(text, title, nullptr);
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box.get()));
    // A window manager draws the title in a bold title font beside the
    // window icon and three buttons: at least five lines of that font.
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    const QFontMetrics metrics(font);
    const int needed = metrics.horizontalAdvance(title) + 5 * metrics.height();
    QVERIFY2(box->width() >= needed, qPrintable(QString("%1 px for %2").arg(box->width()).arg(needed)));
    QVERIFY(box->width() < needed * 3); // and no wider than it must be
}

void MessageBoxTest::copyKeysPutTheBoxOnTheClipboard_data()
{
    QTest::addColumn<QKeyCombination>("key");
    QTest::newRow("Ctrl+C") << QKeyCombination(Qt::ControlModifier, Qt::Key_C);
    QTest::newRow("Ctrl+Insert") << QKeyCombination(Qt::ControlModifier, Qt::Key_Insert);
}

void MessageBoxTest::copyKeysPutTheBoxOnTheClipboard()
{
    QFETCH(QKeyCombination, key);
    QGuiApplication::clipboard()->setText("before");
    const auto box = BuildMessageBox("Beginners typically overcall.\nThis trainer will condition you to fold more "
                                     "often.\n",
                                     "Velmorandine", nullptr);
    box->show();
    QVERIFY(QTest::qWaitForWindowActive(box.get()));
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus); // the OK button: the key goes where a player's would
    QTest::keyClick(focus, key.key(), key.keyboardModifiers());
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("---------------------------\n"
                                                           "Velmorandine\n"
                                                           "---------------------------\n"
                                                           "Beginners typically overcall.\n"
                                                           "This trainer will condition you to fold more often.\n"
                                                           "---------------------------\n"
                                                           "OK\n"
                                                           "---------------------------\n"));
    QVERIFY(box->isVisible()); // copying leaves the box up
    QCOMPARE(ClipboardText("Velmorandine", "Highscore list gone?", {"OK", "Cancel"}),
             QString("---------------------------\nVelmorandine\n---------------------------\nHighscore list gone?\n"
                     "---------------------------\nOK   Cancel\n---------------------------\n"));
}

} // namespace velmo::test

QTEST_MAIN(velmo::test::MessageBoxTest)
#include "message_box_test.moc"
