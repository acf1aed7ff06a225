// Run once per device pixel ratio (QT_SCALE_FACTOR 1, 1.5 and 2, set by
// ctest); each run checks the desktop fonts, families and sizes, the layout
// must cope with.
#include "layout_checks.h"
#include "window_fixture.h"

namespace velmo::test {

class ScalingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
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
    CheckCaptionsFit(*w.dialog);
}

void ScalingTest::controlsDoNotOverlap()
{
    QFETCH(QString, family);
    QFETCH(int, points);
    QApplication::setFont(QFont(family, points));
    Window w;
    CheckNoOverlap(*w.dialog);
}

void ScalingTest::dialogKeepsItsProportions()
{
    QFETCH(QString, family);
    QFETCH(int, points);
    QApplication::setFont(QFont(family, points));
    Window w;
    // The aspect follows the font's base units only.
    const double expected =
        (double(DialogWidthDu()) * w.dialog->baseX() / 4) / (double(DialogHeightDu()) * w.dialog->baseY() / 8);
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
