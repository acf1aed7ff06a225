// Run once per device pixel ratio (QT_SCALE_FACTOR 1, 1.5 and 2, set by
// ctest); each run checks the desktop fonts, families and sizes, the layout
// must cope with.
#include "app/qt/dialog_group_box.h"
#include "shell/dialog_layout.h"
#include "shell/panels.h"
#include "window_fixture.h"

#include <QLabel>
#include <QStyleOptionButton>

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
    void dialogFontFollowsTheDesktop_data();
    void dialogFontFollowsTheDesktop();
};

// The desktop fonts a player may have chosen: each family at 8 to 16 points.
void ScalingTest::captionsFitInsideTheirControls_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("points");
    for (const char* family : {"DejaVu Sans", "DejaVu Serif"})
        for (int points : {8, 9, 10, 11, 12, 13, 14, 16})
            QTest::newRow(qPrintable(QString("%1 %2 pt").arg(family).arg(points))) << QString(family) << points;
}

void ScalingTest::captionsFitInsideTheirControls()
{
    QFETCH(QString, family);
    QFETCH(int, points);
    QApplication::setFont(QFont(family, points));
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
    for (DialogGroupBox* box : w.dialog->findChildren<DialogGroupBox*>()) {
        const QRect label = box->CaptionRect();
        QVERIFY2(box->rect().contains(label), qPrintable(box->title()));
        QVERIFY2(box->fontMetrics().horizontalAdvance(box->title()) <= label.width(), qPrintable(box->title()));
    }
}

void ScalingTest::controlsDoNotOverlap()
{
    QFETCH(QString, family);
    QFETCH(int, points);
    QApplication::setFont(QFont(family, points));
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
            inside |= PanelOf(*group.row) == PanelOf(*control.row) && group.rect.contains(control.rect);
        QVERIFY2(inside, AccessibleName(*control.row).c_str());
    }
    QVERIFY(QRect(QPoint(0, 0), w.dialog->size()).contains(groups.last().rect));

    // The frame line runs through the middle of the caption, above every
    // control of its panel; no control may cover the caption either.
    const QList<DialogGroupBox*> boxes = w.dialog->findChildren<DialogGroupBox*>();
    QCOMPARE(boxes.size(), groups.size());
    for (const DialogGroupBox* box : boxes) {
        const QRect caption = box->CaptionRect().translated(box->pos());
        const int line = box->FrameRect().translated(box->pos()).top();
        QVERIFY2(caption.top() < line && line < caption.bottom(), qPrintable(box->title()));
        for (const Placed& control : controls) {
            if (!box->geometry().contains(control.rect))
                continue;
            const QString what = box->title() + " / " + QString::fromStdString(AccessibleName(*control.row));
            QVERIFY2(control.rect.top() > line + 1, qPrintable(what)); // the etched line is two pixels
            QVERIFY2(!control.rect.intersects(caption), qPrintable(what));
        }
    }
}

void ScalingTest::dialogKeepsItsProportions()
{
    QFETCH(QString, family);
    QFETCH(int, points);
    QApplication::setFont(QFont(family, points));
    Window w;
    // 409 x 200 dialog units: the aspect follows the font's base units only.
    const double expected = (409.0 * w.dialog->baseX() / 4) / (200.0 * w.dialog->baseY() / 8);
    QVERIFY(qAbs(double(w.dialog->width()) / w.dialog->height() - expected) < 0.01);
    QVERIFY(w.dialog->baseX() >= 5 && w.dialog->baseY() >= 11);
    const QImage image = w.dialog->grab().toImage();
    QCOMPARE(image.devicePixelRatio(), w.dialog->devicePixelRatioF());
    QCOMPARE(image.width(), qRound(w.dialog->width() * w.dialog->devicePixelRatioF()));
}

void ScalingTest::dialogFontFollowsTheDesktop_data()
{
    QTest::addColumn<QFont>("desktop");
    QTest::addColumn<double>("points");
    QTest::newRow("6 pt: raised to 8") << QFont("DejaVu Sans", 6) << 8.0;
    QTest::newRow("8 pt") << QFont("DejaVu Sans", 8) << 8.0;
    QFont fractional("DejaVu Sans");
    fractional.setPointSizeF(13.5);
    QTest::newRow("13.5 pt") << fractional << 13.5;
    QFont pixels("DejaVu Sans");
    pixels.setPixelSize(40); // well above 8 points at any resolution
    QTest::newRow("40 px") << pixels << QFontInfo(pixels).pointSizeF();
}

void ScalingTest::dialogFontFollowsTheDesktop()
{
    QFETCH(QFont, desktop);
    QFETCH(double, points);
    QApplication::setFont(desktop);
    Window w;
    QCOMPARE(w.dialog->font().pointSizeF(), points);
    QCOMPARE(w.dialog->font().family(), desktop.family());
    QApplication::setFont(QFont("DejaVu Sans", 8));
    Window small;
    QCOMPARE(w.dialog->width() > small.dialog->width(), points > 8);
    QCOMPARE(w.dialog->height() > small.dialog->height(), points > 8);
}

} // namespace velmo::test

QTEST_MAIN(velmo::test::ScalingTest)
#include "scaling_test.moc"
