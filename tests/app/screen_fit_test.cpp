// The window on the screen it opens on: it lies wholly inside the screen's
// available area with its frame, at the largest font (up to the desktop's)
// that allows it, and the layout holds at that size.  Runs under the
// offscreen platform (a large and a small screen) and, from
// real_x_screen_fit_test.sh, on a real X server under a window manager.
#include "app/qt/dialog_font.h"
#include "layout_checks.h"
#include "window_fixture.h"

#include <QScreen>
#include <QWindow>

namespace velmo::test {

class ScreenFitTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QApplication::setFont(QFont()); }
    void opensInsideTheScreenAtTheLargestFontThatFits_data();
    void opensInsideTheScreenAtTheLargestFontThatFits();
    void fitsAgainOnAnotherScreen();
};

namespace {

// The window with its frame lies inside the screen's available area; or,
// when it would not fit there even at the smallest font, it has that font
// and its frame's top left at the area's top left.  (Qt rounds the frame's
// border widths to whole logical pixels, so at a scale of 2 a one-pixel
// border counts as two pixels; the real-X test checks in device pixels.)
void CheckPlacement(const CTrainerDlg& dialog, const QRect& area)
{
    // The window's own frame, asked afresh: the widget's copy can lag behind.
    const QRect frame = dialog.windowHandle()->frameGeometry();
    qInfo("area %d,%d %dx%d, window with frame %d,%d %dx%d at %.2f pt", area.x(), area.y(), area.width(), area.height(),
          frame.x(), frame.y(), frame.width(), frame.height(), dialog.font().pointSizeF());
    if (frame.width() > area.width() || frame.height() > area.height()) {
        QCOMPARE(dialog.font().pointSizeF(), kFloorPoints);
        QCOMPARE(frame.topLeft(), area.topLeft());
    } else {
        QVERIFY2(area.contains(frame), "the window leaves the screen's available area");
    }
    // Half a point more, unless already at the desktop's size, would not fit.
    if (dialog.font().pointSizeF() < DesktopDialogFont().pointSizeF()) {
        QFont larger = dialog.font();
        larger.setPointSizeF(larger.pointSizeF() + 0.5);
        const QSize size = DialogPixelSize(MeasureBaseUnits(larger, &dialog));
        const QMargins margins = dialog.windowHandle()->frameMargins();
        QVERIFY2(size.width() + margins.left() + margins.right() > area.width() ||
                     size.height() + margins.top() + margins.bottom() > area.height(),
                 "a larger font would fit");
    }
}

// Shows the window and waits until the window manager has framed it.
void ShowFramed(Window& w)
{
    w.ShowActive();
    if (QGuiApplication::platformName() == "xcb")
        QTRY_VERIFY_WITH_TIMEOUT(!w.dialog->windowHandle()->frameMargins().isNull(), 5000);
    // The refit for the real frame, and the window manager's move after it,
    // come some moments later (more on a loaded machine): wait until the
    // frame has stood still for a while, five seconds at most.
    QRect last;
    int still = 0;
    for (int waited = 0; waited < 5000 && still < 3; waited += 100) {
        QTest::qWait(100);
        const QRect now = w.dialog->windowHandle()->frameGeometry();
        still = now == last ? still + 1 : 0;
        last = now;
    }
}

} // namespace

void ScreenFitTest::opensInsideTheScreenAtTheLargestFontThatFits_data()
{
    QTest::addColumn<double>("points"); // the desktop font; 0: the platform's own
    QTest::newRow("desktop font") << 0.0;
    QTest::newRow("18 pt") << 18.0;
}

void ScreenFitTest::opensInsideTheScreenAtTheLargestFontThatFits()
{
    QFETCH(double, points);
    if (points > 0) {
        QFont desktop("DejaVu Sans");
        desktop.setPointSizeF(points);
        QApplication::setFont(desktop);
    }
    Window w;
    ShowFramed(w);
    const QRect area = w.dialog->screen()->availableGeometry();
    CheckPlacement(*w.dialog, area);
    QVERIFY(w.dialog->font().pointSizeF() >= kFloorPoints);

    CheckCaptionsFit(*w.dialog);
    if (QTest::currentTestFailed())
        return;
    CheckNoOverlap(*w.dialog);
}

void ScreenFitTest::fitsAgainOnAnotherScreen()
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.size() < 3)
        QSKIP("needs the offscreen platform's three screens");
    QScreen* large = screens[0];
    QScreen* small = screens[1];
    QScreen* tiny = screens[2];
    QFont desktop("DejaVu Sans");
    desktop.setPointSizeF(18);
    QApplication::setFont(desktop);
    // Opened on the small screen, it fits that one, for its real frame.
    Window w;
    w.dialog->setScreen(small);
    w.dialog->move(small->availableGeometry().topLeft());
    ShowFramed(w);
    QCOMPARE(w.dialog->screen(), small);
    CheckPlacement(*w.dialog, small->availableGeometry());
    CheckNoOverlap(*w.dialog);

    w.dialog->windowHandle()->setScreen(tiny);
    QCOMPARE(w.dialog->font().pointSizeF(), kFloorPoints);
    CheckPlacement(*w.dialog, tiny->availableGeometry());

    w.dialog->windowHandle()->setScreen(large);
    QCOMPARE(w.dialog->font().pointSizeF(), 18.0);
    CheckPlacement(*w.dialog, large->availableGeometry());

    w.dialog->windowHandle()->setScreen(small);
    CheckPlacement(*w.dialog, small->availableGeometry());
}

} // namespace velmo::test

QTEST_MAIN(velmo::test::ScreenFitTest)
#include "screen_fit_test.moc"
