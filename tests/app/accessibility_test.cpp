#include "shell/dialog_layout.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QGroupBox>
#include <QSet>

namespace velmo::test {

class AccessibilityTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyControlHasAUniqueNameAndItsRole();
    void buttonNamesTellTwinsApart();
    void pressActionRunsTheOperation();
};

namespace {

void Collect(QAccessibleInterface* iface, QList<QAccessibleInterface*>& out, int depth = 0)
{
    if (!iface || depth > 8)
        return;
    out.append(iface);
    for (int i = 0; i < iface->childCount(); ++i)
        Collect(iface->child(i), out, depth + 1);
}

} // namespace

void AccessibilityTest::everyControlHasAUniqueNameAndItsRole()
{
    Window w;
    w.ShowActive();
    QList<QAccessibleInterface*> tree;
    Collect(QAccessible::queryAccessibleInterface(w.dialog.get()), tree);

    QHash<QWidget*, QAccessibleInterface*> byWidget;
    for (QAccessibleInterface* iface : tree)
        if (auto* widget = qobject_cast<QWidget*>(iface->object()))
            byWidget.insert(widget, iface);

    QSet<QString> names;
    int controls = 0;
    for (const DialogControl& row : DialogControls()) {
        if (row.id == 0)
            continue;
        QAccessibleInterface* iface = byWidget.value(w.dialog->Control(row.id));
        QVERIFY2(iface, qPrintable(QString("control %1 is not in the accessibility tree").arg(row.id)));
        const QString name = iface->text(QAccessible::Name);
        QVERIFY2(!name.isEmpty(), qPrintable(QString::number(row.id)));
        QVERIFY2(!names.contains(name), qPrintable("twice: " + name));
        names.insert(name);
        const QAccessible::Role role =
            row.kind == ControlKind::Button ? QAccessible::Button : QAccessible::EditableText;
        QCOMPARE(iface->role(), role);
        ++controls;
    }
    QCOMPARE(controls, CountRows([](const DialogControl& row) { return row.id != 0; }));

    int groups = 0;
    for (QGroupBox* box : w.dialog->findChildren<QGroupBox*>()) {
        QAccessibleInterface* iface = byWidget.value(box);
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::Grouping);
        QCOMPARE(iface->text(QAccessible::Name), box->title());
        ++groups;
    }
    QCOMPARE(groups, CountRows([](const DialogControl& row) { return row.kind == ControlKind::GroupBox; }));
}

void AccessibilityTest::buttonNamesTellTwinsApart()
{
    Window w;
    const auto name = [&](int id) { return w.dialog->Control(id)->accessibleName(); };
    QCOMPARE(name(1036), QString("Fold, Tournaments"));
    QCOMPARE(name(1044), QString("Fold, Preflop Situation Trainer"));
    QCOMPARE(name(1015), QString("Fold, RE/Odds"));
    QCOMPARE(name(1024), QString("FOLD, How to fold"));
    QCOMPARE(name(1001), QString("Help, Manual Range Practice"));
    QCOMPARE(name(1052), QString("Preflop text box"));
    QCOMPARE(name(1017), QString("RE/Odds score box"));
    QCOMPARE(name(1029), QString("SCORES total box"));
}

void AccessibilityTest::pressActionRunsTheOperation()
{
    Window w;
    w.ShowActive();
    for (int id : {1020, 1030}) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w.dialog->Control(id));
        QVERIFY(iface);
        QAccessibleActionInterface* actions = iface->actionInterface();
        QVERIFY(actions);
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        actions->doAction(QAccessibleActionInterface::pressAction());
    }
    // The press is animated: the click arrives a moment later, as on screen.
    QTRY_COMPARE(int(w.messages.size()), 2);
    QVERIFY(w.messages[0].text.startsWith("Beginners typically overcall."));
    QVERIFY(w.messages[1].text.startsWith("Here you can see"));
}

} // namespace velmo::test

QTEST_MAIN(velmo::test::AccessibilityTest)
#include "accessibility_test.moc"
