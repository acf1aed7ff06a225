#include "app/qt/trainer_dlg.h"

#include "app/qt/dialog_group_box.h"
#include "app/qt/program_icon.h"
#include "app/qt/progress_view.h"
#include "app/qt/window_platform.h"
#include "selfcheck/range_panel.h"
#include "shell/event_table.h"
#include "shell/trainer_set.h"
#include "velmo_names.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWindow>

#include <algorithm>

namespace velmo {
namespace {

// A caption that does not fit its button shrinks down to this size at most.
constexpr qreal kCaptionFloorPoints = 5.0;

// Dialog units give a caption the room of the font's average letter; a
// caption of wider letters ("Open, fold to 3b" in DejaVu Sans) can need a
// few pixels more than its button offers inside the style's margins, which
// are wider than a dialog button's, and below 8 points the style's margins
// leave less height than the letters need.  It gets a slightly smaller font
// rather than being clipped.
void FitCaption(QPushButton* button)
{
    button->setFont(QFont()); // back to the dialog's font after a refit
    QStyleOptionButton option;
    option.initFrom(button);
    option.rect = button->rect();
    const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const auto tooLarge = [&](const QFont& font) {
        const QFontMetrics metrics(font, button);
        return metrics.horizontalAdvance(button->text()) > room.width() ||
               metrics.tightBoundingRect(button->text()).height() > room.height();
    };
    QFont font = button->font();
    while (tooLarge(font) && font.pointSizeF() > kCaptionFloorPoints)
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
    setWindowTitle(QString::fromUtf8(kProgramName));
    // A fixed-size window with close and minimise boxes and no maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(ProgramIcon());

    BuildControls();
    FitToScreen(screen());

    // Outside the layout table: the dialog's own controls stay as they are.
    progressAction_ = new QAction("&Progress...", this);
    progressAction_->setObjectName("progressAction");
    progressAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    progressAction_->setShortcutVisibleInContextMenu(true);
    connect(progressAction_, &QAction::triggered, this, &CTrainerDlg::ShowProgress);
    addAction(progressAction_);
    SetPracticeLog(&trainers.log);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    platform_.SetMessageParent(this);
    if (QWidget* first = Control(ids::kRangeCardBox))
        first->setFocus(Qt::OtherFocusReason);
}

void CTrainerDlg::SetPracticeLog(PracticeLog* log)
{
    if (progressView_)
        delete progressView_;
    practiceLog_ = log;
    progressAction_->setEnabled(log != nullptr);
}

ProgressView* CTrainerDlg::progressView() const
{
    return progressView_;
}

void CTrainerDlg::ShowProgress()
{
    if (!practiceLog_)
        return;
    // A child window, so that the running modal dialog does not block it.
    if (!progressView_)
        progressView_ = new ProgressView(*practiceLog_, this);
    if (progressView_->isVisible())
        progressView_->Refresh();
    progressView_->show();
    progressView_->raise();
    progressView_->activateWindow();
}

QRect CTrainerDlg::ToPixels(const DialogControl& row) const
{
    // Each edge is rounded on its own, so that controls which meet in dialog
    // units (FOLD above CALL/OPEN, a Reset on its panel's bottom edge) also
    // meet in pixels, instead of overlapping by one at some font sizes.
    const QPoint topLeft(UnitsToPixels(row.x, base_.x, 4), UnitsToPixels(row.y, base_.y, 8));
    const QPoint end(UnitsToPixels(row.x + row.width, base_.x, 4), UnitsToPixels(row.y + row.height, base_.y, 8));
    return QRect(topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y()));
}

void CTrainerDlg::BuildControls()
{
    QWidget* previousStop = nullptr;
    for (const DialogControl& row : DialogControls()) {
        QWidget* widget = BuildControl(row);
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

void CTrainerDlg::LayOut(const QFont& font)
{
    setFont(font);
    base_ = MeasureBaseUnits(font, this);
    const auto rows = DialogControls();
    for (qsizetype i = 0; i < widgets_.size(); ++i) {
        QWidget* widget = widgets_[i];
        const DialogControl& row = rows[static_cast<std::size_t>(i)];
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
    }
    setFixedSize(DialogPixelSize(base_));
}

QMargins CTrainerDlg::FrameMargins() const
{
    // Until the window manager has framed the window, room for a title bar
    // and borders as most window managers draw them.
    const QMargins estimate(5, 30, 5, 10);
    const QWindow* window = windowHandle();
    if (!window || !isVisible() || window->frameMargins().isNull())
        return estimate;
    return window->frameMargins();
}

void CTrainerDlg::FitToScreen(QScreen* screen)
{
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QMargins frame = FrameMargins();
    fittedFrame_ = frame;
    fittedScreen_ = screen;
    const QFont font = FittingDialogFont(DesktopDialogFont(), area, frame, this);
    if (font != this->font() || base_.x == 0)
        LayOut(font);

    // A window opening for the first time is centred by QDialog, inside the
    // area when it fits; one already shown is moved back inside.  When not
    // even the smallest font fits, the title bar stays reachable at the
    // area's top left, and the window can be moved from there.  A shown
    // window is placed by its frame through its QWindow, as the widget's
    // own idea of its frame can lag behind the window manager's.
    QWindow* window = isVisible() ? windowHandle() : nullptr;
    const QRect outer(window ? window->framePosition() : pos(),
                      size().grownBy(QMargins(0, 0, frame.left() + frame.right(), frame.top() + frame.bottom())));
    QPoint target = outer.topLeft();
    if (outer.width() > area.width() || outer.height() > area.height())
        target = area.topLeft();
    else if (window || testAttribute(Qt::WA_Moved))
        target = QPoint(std::clamp(outer.left(), area.left(), area.right() + 1 - outer.width()),
                        std::clamp(outer.top(), area.top(), area.bottom() + 1 - outer.height()));
    else
        return;
    if (window)
        window->setFramePosition(target);
    else
        move(target);
}

void CTrainerDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!windowHandle())
        return;
    // The window may open on another screen than the one it was built for.
    if (windowHandle()->screen() != fittedScreen_)
        FitToScreen(windowHandle()->screen());
    if (screenWatched_)
        return;
    screenWatched_ = true;
    connect(windowHandle(), &QWindow::screenChanged, this, &CTrainerDlg::FitToScreen);
    // The window manager frames the window some moments after it is shown,
    // and no event says when: look for the frame for up to two seconds, and
    // fit once more for the real one.
    frameWatch_.setInterval(50);
    connect(&frameWatch_, &QTimer::timeout, this, [this] {
        const QMargins frame = windowHandle()->frameMargins();
        if (frame.isNull() && ++frameChecks_ < 40)
            return;
        frameWatch_.stop();
        if (!frame.isNull() && frame != fittedFrame_)
            FitToScreen(screen());
    });
    frameWatch_.start();
}

QWidget* CTrainerDlg::BuildControl(const DialogControl& row)
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
