#include "shell/dialog_layout.h"
#include "shell/help_texts.h"
#include "shell/panels.h"
#include "window_fixture.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>

namespace velmo::test {

class TrainerDlgTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startUpCreatesTheHighscoreFile();
    void everyControlFromTheTableAtItsPlace();
    void fixedSizeWindowWithoutMaximise();
    void dialogUnitsBecomePixelsRoundedHalfUp();
    void tabOrderAndInitialFocus();
    void tabKeyWalksTheTabOrder();
    void helpButtonsShowTheirTexts_data();
    void helpButtonsShowTheirTexts();
    void boxesStartEmptyAndTypingChangesNothing();
    void escapeEndsTheProgram();
    void enterInATextBoxEndsTheProgram_data();
    void enterInATextBoxEndsTheProgram();
    void enterAndSpaceOnAFocusedButtonPressIt();
    void multiLineBoxesWrapWithoutScrollBars();
};

void TrainerDlgTest::startUpCreatesTheHighscoreFile()
{
    Window w;
    QFile file(w.dir() + "/Highscores.txt");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("0 0 0 0 0 0 0 0 0 0 "));
}

void TrainerDlgTest::everyControlFromTheTableAtItsPlace()
{
    Window w;
    int ids = 0, groups = 0, labels = 0;
    QList<QLabel*> labelsLeft = w.dialog->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    for (const DialogControl& row : DialogControls()) {
        const QString caption = QString::fromUtf8(row.caption);
        // Each edge from dialog units on its own, rounded as a dialog template rounds it.
        const auto px = [](int units, int base, int divisor) { return (units * base + divisor / 2) / divisor; };
        const int left = px(row.x, w.dialog->baseX(), 4), top = px(row.y, w.dialog->baseY(), 8);
        const QRect expected(left, top, px(row.x + row.width, w.dialog->baseX(), 4) - left,
                             px(row.y + row.height, w.dialog->baseY(), 8) - top);
        QWidget* widget = row.id ? w.dialog->Control(row.id) : nullptr;
        switch (row.kind) {
        case ControlKind::Button:
            QVERIFY(qobject_cast<QPushButton*>(widget));
            QCOMPARE(qobject_cast<QPushButton*>(widget)->text(), caption);
            break;
        case ControlKind::LineEdit: QVERIFY(qobject_cast<QLineEdit*>(widget)); break;
        case ControlKind::MultiLineEdit: QVERIFY(qobject_cast<QPlainTextEdit*>(widget)); break;
        case ControlKind::GroupBox: break;
        case ControlKind::Label: {
            // A label may be wider than its cell, never narrower or elsewhere.
            const auto it = std::find_if(labelsLeft.begin(), labelsLeft.end(),
                                         [&](QLabel* l) { return l->pos() == expected.topLeft(); });
            QVERIFY(it != labelsLeft.end());
            QCOMPARE((*it)->text(), caption);
            QCOMPARE((*it)->height(), expected.height());
            QVERIFY((*it)->width() >= expected.width());
            labelsLeft.erase(it);
            break;
        }
        }
        if (widget) {
            ++ids;
            QCOMPARE(widget->geometry(), expected);
            QCOMPARE(widget->parentWidget(), w.dialog.get());
        }
    }
    for (QGroupBox* box : w.dialog->findChildren<QGroupBox*>()) {
        ++groups;
        const Qt::Alignment align = box->title() == "Manual Range Practice" ? Qt::AlignLeft : Qt::AlignHCenter;
        QCOMPARE(box->alignment() & Qt::AlignHorizontal_Mask, align);
    }
    for (QLabel* label : w.dialog->findChildren<QLabel*>()) {
        if (label->parentWidget() == w.dialog.get()) {
            ++labels;
            QCOMPARE(label->text(), QString("Score:"));
        }
    }
    QCOMPARE(ids, CountRows([](const DialogControl& row) { return row.id != 0; }));
    QCOMPARE(groups, CountRows([](const DialogControl& row) { return row.kind == ControlKind::GroupBox; }));
    QCOMPARE(labels, CountRows([](const DialogControl& row) { return row.kind == ControlKind::Label; }));
    QCOMPARE(w.dialog->findChildren<QPushButton*>().size(),
             CountRows([](const DialogControl& row) { return row.kind == ControlKind::Button; }));
    for (QPushButton* button : w.dialog->findChildren<QPushButton*>()) {
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
    }
}

void TrainerDlgTest::fixedSizeWindowWithoutMaximise()
{
    Window w;
    QCOMPARE(w.dialog->windowTitle(), QString("Velmorandine"));
    QVERIFY(!w.dialog->windowIcon().isNull());
    const Qt::WindowFlags flags = w.dialog->windowFlags();
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QCOMPARE(w.dialog->minimumSize(), w.dialog->maximumSize());
    QCOMPARE(w.dialog->size(), DialogPixelSize({w.dialog->baseX(), w.dialog->baseY()}));
}

// Dialog units become pixels as a dialog template's do: x in quarters and y
// in eighths of the base units, rounded half up (MulDiv).
void TrainerDlgTest::dialogUnitsBecomePixelsRoundedHalfUp()
{
    QCOMPARE(DialogPixelSize({4, 8}), QSize(DialogWidthDu(), DialogHeightDu())); // a pixel a unit
    QCOMPARE(UnitsToPixels(409, 6, 4), 614);                                     // 613.5 rounds up
    QCOMPARE(UnitsToPixels(409, 5, 4), 511);                                     // 511.25 rounds down
    QCOMPARE(UnitsToPixels(200, 13, 8), 325);
    QCOMPARE(UnitsToPixels(2, 6, 8), 2); // 1.5
    QCOMPARE(UnitsToPixels(1, 5, 4), 1); // 1.25
    QCOMPARE(UnitsToPixels(3, 5, 4), 4); // 3.75

    // Each edge is rounded on its own, so controls that meet in dialog units
    // meet in pixels too, at any font.
    for (int points : {8, 9, 11, 13}) {
        QApplication::setFont(QFont("DejaVu Sans", points));
        Window w;
        int meetings = 0;
        for (const DialogControl& upper : DialogControls())
            for (const DialogControl& lower : DialogControls())
                if (&upper != &lower && upper.y + upper.height == lower.y && upper.x < lower.x + lower.width &&
                    lower.x < upper.x + upper.width) {
                    ++meetings;
                    QCOMPARE(w.dialog->ToPixels(upper).bottom() + 1, w.dialog->ToPixels(lower).top());
                }
        QVERIFY(meetings > 0);
    }
    QApplication::setFont(QFont());
}

// The window's tab order is the layout table's (whose own order the shell's
// tests check): every control with an id, in row order.
QList<int> TableTabOrder()
{
    QList<int> order;
    for (const DialogControl& row : DialogControls())
        if (row.id != 0)
            order.append(row.id);
    return order;
}

const QList<int> kTabOrder = TableTabOrder();

QList<int> TextBoxes()
{
    QList<int> boxes;
    for (int id : kTabOrder)
        if (IsTextBox(id))
            boxes.append(id);
    return boxes;
}

void TrainerDlgTest::tabOrderAndInitialFocus()
{
    Window w;
    w.ShowActive();
    QCOMPARE(QApplication::focusWidget(), w.dialog->Control(1000));
    QList<int> order;
    QWidget* widget = w.dialog->Control(1000);
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            order.append(widget->property("controlId").toInt());
        widget = widget->nextInFocusChain();
    } while (widget != w.dialog->Control(1000) && order.size() <= kTabOrder.size());
    QCOMPARE(order, kTabOrder);
}

void TrainerDlgTest::tabKeyWalksTheTabOrder()
{
    Window w;
    w.ShowActive();
    for (int i = 1; i <= kTabOrder.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.dialog->Control(kTabOrder[i % kTabOrder.size()]));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), w.dialog->Control(kTabOrder.last()));
}

void TrainerDlgTest::helpButtonsShowTheirTexts_data()
{
    QTest::addColumn<int>("id");
    for (const PanelRow& panel : Panels()) {
        const int id = panel.helpButton;
        QTest::newRow(qPrintable(QString::number(id))) << id;
    }
}

void TrainerDlgTest::helpButtonsShowTheirTexts()
{
    QFETCH(int, id);
    Window w;
    w.ShowActive();
    w.Click(id);
    QCOMPARE(int(w.messages.size()), 1);
    const std::string_view text = HelpText(id);
    QCOMPARE(w.messages[0].text, QString::fromUtf8(text));
    QCOMPARE(w.messages[0].caption, QString("Velmorandine"));
    for (int box : TextBoxes())
        QVERIFY(w.Text(box).isEmpty());
}

void TrainerDlgTest::boxesStartEmptyAndTypingChangesNothing()
{
    Window w;
    w.ShowActive();
    for (int box : TextBoxes()) {
        QVERIFY(w.Text(box).isEmpty());
        QTest::keyClicks(w.dialog->Control(box), "99");
        QCOMPARE(w.Text(box), QString("99"));
    }
    w.Click(1030);
    QCOMPARE(w.Text(1029), QString("99")); // a Help button replaces no text
}

void TrainerDlgTest::escapeEndsTheProgram()
{
    Window w;
    w.ShowActive();
    QFile file(w.dir() + "/Highscores.txt");
    QVERIFY(file.remove());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!w.dialog->isVisible());
    QCOMPARE(w.dialog->result(), int(QDialog::Rejected));
    QVERIFY2(!file.exists(), "nothing is written on the way out");
    QVERIFY(w.messages.empty());
}

void TrainerDlgTest::enterInATextBoxEndsTheProgram_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("key");
    QTest::newRow("single-line, Return") << 1000 << int(Qt::Key_Return);
    QTest::newRow("single-line, keypad Enter") << 1040 << int(Qt::Key_Enter);
    QTest::newRow("multi-line, Return") << 1052 << int(Qt::Key_Return);
}

void TrainerDlgTest::enterInATextBoxEndsTheProgram()
{
    QFETCH(int, id);
    QFETCH(int, key);
    Window w;
    w.ShowActive();
    w.dialog->Control(id)->setFocus();
    QTest::keyClick(w.dialog->Control(id), Qt::Key(key));
    QVERIFY(!w.dialog->isVisible());
    QVERIFY2(w.Text(id).isEmpty(), "no line break is inserted");
}

void TrainerDlgTest::enterAndSpaceOnAFocusedButtonPressIt()
{
    Window w;
    w.ShowActive();
    w.dialog->Control(1020)->setFocus();
    QTest::keyClick(w.dialog->Control(1020), Qt::Key_Return);
    QVERIFY(w.dialog->isVisible());
    QCOMPARE(int(w.messages.size()), 1);
    QTest::keyClick(w.dialog->Control(1020), Qt::Key_Space);
    QCOMPARE(int(w.messages.size()), 2);
    QCOMPARE(w.messages[1].caption, QString("Velmorandine"));
}

void TrainerDlgTest::multiLineBoxesWrapWithoutScrollBars()
{
    Window w;
    w.ShowActive();
    for (int id : {1008, 1012, 1019, 1034, 1052}) {
        auto* box = qobject_cast<QPlainTextEdit*>(w.dialog->Control(id));
        QVERIFY(box);
        QCOMPARE(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(box->wordWrapMode(), QTextOption::WordWrap);
        QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }
}

} // namespace velmo::test

QTEST_MAIN(velmo::test::TrainerDlgTest)
#include "trainer_dlg_test.moc"
