#include "app/qt/trainer_dlg.h"

#include "app/qt/dialog_group_box.h"
#include "app/qt/program_icon.h"
#include "app/qt/window_platform.h"
#include "common/control_ids.h"
#include "shell/event_table.h"
#include "shell/trainer_set.h"
#include "velmo_names.h"

#include <QApplication>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace velmo {
namespace {

// The dialog font: the desktop's own font, never smaller than the 8 points
// the layout was drawn for.  A player who enlarged the desktop font gets a
// window that grows in proportion, as dialog units follow the font.
QFont DialogFont()
{
    QFont font = QApplication::font();
    // A desktop font given in pixels has no point size of its own.
    const qreal desktop = font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
    font.setPointSizeF(std::max<qreal>(8.0, desktop));
    return font;
}

// Rounded like MulDiv, as dialog units always were.
int Scale(int units, int base, int divisor)
{
    return (units * base + divisor / 2) / divisor;
}

// Dialog units give a caption the room of the font's average letter; a
// caption of wider letters ("Open, fold to 3b" in DejaVu Sans) can need a
// few pixels more than its button offers inside the style's margins, which
// are wider than a dialog button's.  It gets a slightly smaller font rather
// than being clipped.
void FitCaption(QPushButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.rect = button->rect();
    const int room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
    QFont font = button->font();
    while (QFontMetrics(font).horizontalAdvance(button->text()) > room && font.pointSizeF() > 6.0)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    if (font != button->font())
        button->setFont(font);
}

bool IsEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

CTrainerDlg::CTrainerDlg(TrainerSet& trainers, WindowPlatform& platform, QWidget* parent)
    : QDialog(parent), trainers_(trainers), platform_(platform)
{
    setObjectName("CTrainerDlg");
    setWindowTitle(QString::fromUtf8(kProgramName.data(), static_cast<qsizetype>(kProgramName.size())));
    // A fixed-size window with close and minimise boxes and no maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(ProgramIcon());
    setFont(DialogFont());

    // Base units from the dialog font, as a dialog template computes them:
    // the average width of the alphabet and the font's height.
    const QFontMetrics metrics(font());
    const int alphabet = metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    baseX_ = (alphabet / 26 + 1) / 2;
    baseY_ = metrics.height();

    BuildControls();
    setFixedSize(Scale(kDialogWidthDu, baseX_, 4), Scale(kDialogHeightDu, baseY_, 8));

    platform_.SetMessageParent(this);
    if (QWidget* first = Control(ids::kRangeCardBox))
        first->setFocus(Qt::OtherFocusReason);
}

QRect CTrainerDlg::ToPixels(const ControlSpec& row) const
{
    // Each edge is rounded on its own, so that controls which meet in dialog
    // units (FOLD above CALL/OPEN, a Reset on its panel's bottom edge) also
    // meet in pixels, instead of overlapping by one at some font sizes.
    const QPoint topLeft(Scale(row.x, baseX_, 4), Scale(row.y, baseY_, 8));
    const QPoint end(Scale(row.x + row.width, baseX_, 4), Scale(row.y + row.height, baseY_, 8));
    return QRect(topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y()));
}

void CTrainerDlg::BuildControls()
{
    QWidget* previousStop = nullptr;
    for (const ControlSpec& row : DialogControls()) {
        QWidget* widget = BuildControl(row);
        QRect geometry = ToPixels(row);
        if (row.kind == ControlKind::Label) {
            // A wider desktop font may need a few more pixels than the
            // label's cell; a static text can take them without a frame moving.
            const int needed = widget->fontMetrics().horizontalAdvance(widget->property("text").toString());
            geometry.setWidth(std::max(geometry.width(), needed));
        }
        widget->setGeometry(geometry);
        if (auto* button = qobject_cast<QPushButton*>(widget))
            FitCaption(button);
        widgets_.append(widget);
        if (row.id != 0)
            controls_.insert(row.id, widget);
        if (widget->focusPolicy() & Qt::TabFocus) {
            if (previousStop)
                QWidget::setTabOrder(previousStop, widget);
            previousStop = widget;
        }
    }
}

QWidget* CTrainerDlg::BuildControl(const ControlSpec& row)
{
    const QString caption = QString::fromUtf8(row.caption);
    QWidget* widget = nullptr;
    switch (row.kind) {
    case ControlKind::GroupBox: {
        auto* box = new DialogGroupBox(caption, this);
        box->setAlignment(row.leftAligned ? Qt::AlignLeft : Qt::AlignHCenter);
        box->setFocusPolicy(Qt::NoFocus);
        widget = box;
        break;
    }
    case ControlKind::Label: {
        auto* label = new QLabel(caption, this);
        label->setFocusPolicy(Qt::NoFocus);
        widget = label;
        break;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(caption, this);
        // No default button: Enter presses the focused button only (see eventFilter).
        button->setAutoDefault(false);
        button->setDefault(false);
        button->setFocusPolicy(Qt::StrongFocus);
        const int id = row.id;
        connect(button, &QPushButton::clicked, this, [this, id] { Dispatch(trainers_, id); });
        widget = button;
        break;
    }
    case ControlKind::LineEdit: {
        auto* line = new QLineEdit(this);
        line->setFocusPolicy(Qt::StrongFocus);
        widget = line;
        break;
    }
    case ControlKind::MultiLineEdit: {
        auto* multi = new QPlainTextEdit(this);
        multi->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        multi->setWordWrapMode(QTextOption::WordWrap);
        multi->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        multi->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        multi->setTabChangesFocus(true);
        multi->setFocusPolicy(Qt::StrongFocus);
        multi->document()->setDocumentMargin(1);
        widget = multi;
        break;
    }
    }
    widget->setAccessibleName(QString::fromStdString(AccessibleName(row)));
    if (row.id != 0) {
        widget->setObjectName(QString("control%1").arg(row.id));
        widget->setProperty("controlId", row.id);
    }
    if (row.kind == ControlKind::LineEdit || row.kind == ControlKind::MultiLineEdit) {
        platform_.BindBox(row.id, widget);
        widget->installEventFilter(this);
    } else if (row.kind == ControlKind::Button) {
        widget->installEventFilter(this);
    }
    return widget;
}

bool CTrainerDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Escape) {
        reject();
        return true;
    }
    if (IsEnterKey(key)) {
        if (auto* button = qobject_cast<QPushButton*>(watched))
            button->click();
        else
            reject(); // Enter in a text box ends the program, as the dialog's OK would
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace velmo
