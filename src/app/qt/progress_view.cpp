#include "app/qt/progress_view.h"

#include "app/qt/program_icon.h"
#include "app/qt/progress_panel_page.h"
#include "progress/progress_texts.h"
#include "shell/progress_panels.h"
#include "velmo_names.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QShowEvent>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace velmo {

ProgressView::ProgressView(PracticeLog& log, QWidget* parent)
    : QWidget(parent, Qt::Window), log_(log), confirm_([this](const QString& question) {
          return QMessageBox::question(this, windowTitle(), question) == QMessageBox::Yes;
      })
{
    setObjectName("ProgressView");
    setWindowTitle(QString::fromUtf8(kProgramName) + " Progress");
    setWindowIcon(ProgramIcon());

    auto* top = new QHBoxLayout;
    auto* spanLabel = new QLabel("&Show:", this);
    span_ = new QComboBox(this);
    span_->setAccessibleName("Span");
    for (std::string_view name : kSpanNames)
        span_->addItem(QString::fromUtf8(name));
    span_->setCurrentIndex(1);
    spanLabel->setBuddy(span_);
    toggle_ = new QPushButton(this);
    export_ = new QPushButton("&Export...", this);
    export_->setAccessibleName("Export");
    auto* refresh = new QPushButton("&Refresh", this);
    refresh->setAccessibleName("Refresh");
    refresh->setToolTip("Read the practice log again (F5)");
    top->addWidget(spanLabel);
    top->addWidget(span_);
    top->addStretch();
    top->addWidget(toggle_);
    top->addWidget(export_);
    top->addWidget(refresh);

    state_ = new QLabel(this);
    state_->setObjectName("stateLine");
    state_->setWordWrap(true);
    state_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    state_->setFocusPolicy(Qt::TabFocus); // a screen reader reaches the state with Tab

    exportRow_ = new QWidget(this);
    auto* exportLayout = new QHBoxLayout(exportRow_);
    exportLayout->setContentsMargins(0, 0, 0, 0);
    location_ = new QLabel(exportRow_);
    location_->setObjectName("logLocation");
    location_->setWordWrap(true);
    location_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    location_->setFocusPolicy(Qt::TabFocus);
    auto* openFolder = new QPushButton("&Open its folder", exportRow_);
    openFolder->setAccessibleName("Open the practice log's folder");
    exportLayout->addWidget(location_, 1);
    exportLayout->addWidget(openFolder);
    exportRow_->hide();

    tabs_ = new QTabWidget(this);
    tabs_->setAccessibleName("Panels");
    for (const ProgressPanel& scoring : ProgressPanels()) {
        const QString caption = QString::fromUtf8(scoring.caption());
        auto* page = new ProgressPanelPage(scoring.panel, caption);
        // A small screen (or a large scale) gets scroll bars rather than a
        // window taller than the screen.
        auto* scroll = new QScrollArea(tabs_);
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidget(page);
        scroll->setAccessibleName(caption);
        tabs_->addTab(scroll, caption);
        pages_.emplace_back(scoring.panel, page);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(state_);
    layout->addWidget(exportRow_);
    layout->addWidget(tabs_, 1);

    connect(span_, &QComboBox::currentIndexChanged, this, &ProgressView::ShowSpan);
    connect(toggle_, &QPushButton::clicked, this, &ProgressView::Toggle);
    connect(export_, &QPushButton::clicked, this, &ProgressView::ShowExport);
    connect(refresh, &QPushButton::clicked, this, &ProgressView::Refresh);
    connect(new QShortcut(QKeySequence::Refresh, this), &QShortcut::activated, this, &ProgressView::Refresh);
    // Closes as a dialog does; the trainers' window stays.
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this, &QWidget::close);
    connect(openFolder, &QPushButton::clicked, this, [this] {
        const QFileInfo file(QString::fromStdString(log_.Location()));
        QDesktopServices::openUrl(QUrl::fromLocalFile(file.absolutePath()));
    });

    // As large as its pages want, within most of the screen it opens on.
    const QFontMetrics fm = fontMetrics();
    QSize wanted(fm.averageCharWidth() * 150, fm.height() * 56);
    if (const QScreen* screen = parent ? parent->screen() : this->screen()) {
        const QRect area = screen->availableGeometry();
        wanted = wanted.boundedTo(area.size() * 0.9);
        resize(wanted);
        // Centred on the screen rather than on the dialog, which would push
        // a window this size past the screen's edge.
        move(area.center() - rect().center());
    } else {
        resize(wanted);
    }
}

ProgressPanelPage* ProgressView::Page(LogPanel panel) const
{
    for (const auto& [which, page] : pages_)
        if (which == panel)
            return page;
    return nullptr;
}

void ProgressView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        Refresh();
}

void ProgressView::Refresh()
{
    summary_ = log_.Summarise();
    ShowState();
    ShowSpan();
}

void ProgressView::ShowSpan()
{
    // Without a readable log every page shows its empty state.
    const ProgressSummary empty{};
    const ProgressSummary& summary = summary_ ? *summary_ : empty;
    const auto span = static_cast<ProgressSpan>(std::max(0, span_->currentIndex()));
    for (const auto& [panel, page] : pages_)
        page->Show(summary, span);
}

void ProgressView::ShowState()
{
    const bool on = log_.IsOn();
    toggle_->setText(QString::fromUtf8(ToggleCaption(on)));
    toggle_->setAccessibleName(QString::fromUtf8(ToggleName(on)));
    const QString state = QString::fromStdString(LogStateText(on, log_.failingSince(), summary_));
    state_->setText(state);
    state_->setAccessibleName(state);
}

void ProgressView::Toggle()
{
    if (log_.IsOn()) {
        if (confirm_(QString::fromUtf8(kStopLogQuestion)))
            log_.TurnOff();
    } else {
        log_.TurnOn();
    }
    Refresh();
}

void ProgressView::ShowExport()
{
    location_->setText(QString::fromStdString(ExportText(log_.Location(), log_.IsOn())));
    location_->setAccessibleName(location_->text());
    exportRow_->show();
    location_->setFocus(Qt::OtherFocusReason);
}

} // namespace velmo
