// Checks of the dialog's layout at whatever font and scale it was built
// with: every caption inside its control, no two controls overlapping, every
// control inside its panel, and no frame line through a caption or control.
// Each records its failures with QtTest; the caller ends the test when
// QTest::currentTestFailed().
#pragma once

#include "app/qt/dialog_group_box.h"
#include "app/qt/trainer_dlg.h"
#include "shell/dialog_layout.h"
#include "shell/panels.h"

#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>

namespace velmo::test {

inline void CheckCaptionsFit(const CTrainerDlg& dialog)
{
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.rect = button->rect();
        const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QFontMetrics fm = button->fontMetrics();
        const QString what = QString("%1 (%2x%3 px in %4x%5)")
                                 .arg(button->text())
                                 .arg(fm.horizontalAdvance(button->text()))
                                 .arg(fm.tightBoundingRect(button->text()).height())
                                 .arg(contents.width())
                                 .arg(contents.height());
        QVERIFY2(fm.horizontalAdvance(button->text()) <= contents.width(), qPrintable(what));
        QVERIFY2(fm.tightBoundingRect(button->text()).height() <= contents.height(), qPrintable(what));
    }
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->parentWidget() != &dialog)
            continue;
        const QFontMetrics fm = label->fontMetrics();
        const QRect inside = label->contentsRect();
        QVERIFY2(fm.horizontalAdvance(label->text()) <= inside.width(), qPrintable(label->text()));
        QVERIFY(fm.height() <= inside.height());
    }
    for (DialogGroupBox* box : dialog.findChildren<DialogGroupBox*>()) {
        const QRect label = box->CaptionRect();
        QVERIFY2(box->rect().contains(label), qPrintable(box->title()));
        QVERIFY2(box->fontMetrics().horizontalAdvance(box->title()) <= label.width(), qPrintable(box->title()));
    }
}

inline void CheckNoOverlap(const CTrainerDlg& dialog)
{
    struct Placed {
        const DialogControl* row;
        QRect rect;
    };
    QList<Placed> controls, groups;
    for (const DialogControl& row : DialogControls()) {
        QRect rect = dialog.ToPixels(row);
        if (row.kind == ControlKind::Label) // labels may widen to their caption
            for (QLabel* label : dialog.findChildren<QLabel*>())
                if (label->parentWidget() == &dialog && label->geometry().topLeft() == rect.topLeft())
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
    QVERIFY(QRect(QPoint(0, 0), dialog.size()).contains(groups.last().rect));

    // The frame line runs through the middle of the caption, above every
    // control of its panel; no control may cover the caption either.
    const QList<DialogGroupBox*> boxes = dialog.findChildren<DialogGroupBox*>();
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

} // namespace velmo::test
