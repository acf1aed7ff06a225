// Run once per device pixel ratio (QT_SCALE_FACTOR 1, 1.5 and 2, set by
// ctest); each run checks the desktop fonts the layout must cope with.
#include "shell/dialog_layout.h"
#include "window_fixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

namespace velmo::test {

class ScalingTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QApplication::setFont(QFont()); }
    void captionsFitInsideTheirControls_data();
    void captionsFitInsideTheirControls();
    void controlsDoNotOverlap_data() { captionsFitInsideTheirControls_data(); }
    void controlsDoNotOverlap();
    void dialogKeepsItsProportions_data() { captionsFitInsideTheirControls_data(); }
    void dialogKeepsItsProportions();
};

void ScalingTest::captionsFitInsideTheirControls_data()
{
    QTest::addColumn<QString>("family");
    QTest::newRow("DejaVu Sans") << "DejaVu Sans";
    QTest::newRow("DejaVu Serif") << "DejaVu Serif";
}

void ScalingTest::captionsFitInsideTheirControls()
{
    QFETCH(QString, family);
    QApplication::setFont(QFont(family, 9));
    Window w;
    w.ShowActive();
    QCOMPARE(w.dialog->font().family(), family);
    for (QPushButton* button : w.dialog->findChildren<QPushButton*>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.rect = button->rect();
        const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QFontMetrics fm = button->fontMetrics();
        const QString what = QString("%1 at %2 (%3 px in %4)")
                                 .arg(button->text(), family)
                                 .arg(fm.horizontalAdvance(button->text()))
                                 .arg(contents.width());
        QVERIFY2(fm.horizontalAdvance(button->text()) <= contents.width(), qPrintable(what));
        QVERIFY2(fm.tightBoundingRect(button->text()).height() <= contents.height(), qPrintable(what));
    }
    for (QLabel* label : w.dialog->findChildren<QLabel*>()) {
        if (label->parentWidget() != w.dialog.get())
            continue;
        const QFontMetrics fm = label->fontMetrics();
        const QRect inside = label->contentsRect();
        QVERIFY2(fm.horizontalAdvance(label->text()) <= inside.width(), qPrintable(label->text()));
        QVERIFY(fm.height() <= inside.height());
    }
    for (QGroupBox* box : w.dialog->findChildren<QGroupBox*>()) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        option.rect = box->rect();
        const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        QVERIFY2(box->rect().contains(label), qPrintable(box->title()));
        QVERIFY2(box->fontMetrics().horizontalAdvance(box->title()) <= label.width(), qPrintable(box->title()));
    }
}

void ScalingTest::controlsDoNotOverlap()
{
    QFETCH(QString, family);
    QApplication::setFont(QFont(family, 9));
    Window w;
    struct Placed {
        const ControlSpec* row;
        QRect rect;
    };
    QList<Placed> controls, groups;
    for (const ControlSpec& row : DialogControls()) {
        QRect rect = w.dialog->ToPixels(row);
        if (row.kind == ControlKind::Label) // labels may widen to their caption
            for (QLabel* label : w.dialog->findChildren<QLabel*>())
                if (label->parentWidget() == w.dialog.get() && label->geometry().topLeft() == rect.topLeft())
                    rect = label->geometry();
        (row.kind == ControlKind::GroupBox ? groups : controls).append({&row, rect});
    }
    for (int i = 0; i < controls.size(); ++i)
        for (int j = i + 1; j < controls.size(); ++j)
            QVERIFY2(!controls[i].rect.intersects(controls[j].rect),
                     (AccessibleName(*controls[i].row) + " / " + AccessibleName(*controls[j].row)).c_str());
    for (int i = 0; i < groups.size(); ++i)
        for (int j = i + 1; j < groups.size(); ++j)
            QVERIFY(!groups[i].rect.intersects(groups[j].rect));
    for (const Placed& control : controls) {
        bool inside = false;
        for (const Placed& group : groups)
            inside |= group.row->panel == control.row->panel && group.rect.contains(control.rect);
        QVERIFY2(inside, AccessibleName(*control.row).c_str());
    }
    QVERIFY(QRect(QPoint(0, 0), w.dialog->size()).contains(groups.last().rect));
}

void ScalingTest::dialogKeepsItsProportions()
{
    QFETCH(QString, family);
    QApplication::setFont(QFont(family, 9));
    Window w;
    // 409 x 200 dialog units: the aspect follows the font's base units only.
    const double expected = (409.0 * w.dialog->baseX() / 4) / (200.0 * w.dialog->baseY() / 8);
    QVERIFY(qAbs(double(w.dialog->width()) / w.dialog->height() - expected) < 0.01);
    QVERIFY(w.dialog->baseX() >= 5 && w.dialog->baseY() >= 11);
    const QImage image = w.dialog->grab().toImage();
    QCOMPARE(image.devicePixelRatio(), w.dialog->devicePixelRatioF());
    QCOMPARE(image.width(), qRound(w.dialog->width() * w.dialog->devicePixelRatioF()));
}

} // namespace velmo::test

QTEST_MAIN(velmo::test::ScalingTest)
#include "scaling_test.moc"
