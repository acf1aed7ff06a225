#include "app/qt/message_box.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QSpacerItem>

namespace velmo {
namespace {

// Room for the window icon, the three title-bar buttons and their padding,
// in lines of the title font (about 90 pixels at 8 points, as openbox and
// most window managers draw them).
constexpr int kTitleBarExtraLines = 8;

// QMessageBox sizes itself for its text and allows only a little for the
// title, so a short text ("Highscore list gone?") made a box whose title
// the window manager shortened to "vel…ine".  A spacer across the whole
// grid raises the minimum width the box computes for itself.
void ReserveTitleWidth(QMessageBox& box)
{
    auto* spacer = new QSpacerItem(TitleBarWidth(box.windowTitle()), 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(spacer, grid->rowCount(), 0, 1, grid->columnCount());
    else if (box.layout())
        box.layout()->addItem(spacer);
    else
        delete spacer;
}

// A button's caption without the ampersands that mark its mnemonic.
QString WithoutMnemonic(QString caption)
{
    for (qsizetype i = 0; i < caption.size(); ++i)
        if (caption[i] == u'&')
            caption.remove(i, 1); // "&&" keeps the second one
    return caption;
}

class CopyableMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (!event->matches(QKeySequence::Copy)) {
            QMessageBox::keyPressEvent(event);
            return;
        }
        QStringList buttons;
        for (QAbstractButton* button : this->buttons())
            buttons << WithoutMnemonic(button->text());
        QGuiApplication::clipboard()->setText(ClipboardText(windowTitle(), text(), buttons));
        event->accept();
    }
};

} // namespace

QString ClipboardText(const QString& caption, const QString& text, const QStringList& buttons)
{
    const QString dashes(27, u'-');
    qsizetype end = text.size();
    while (end > 0 && (text[end - 1] == u'\n' || text[end - 1] == u'\r'))
        --end;
    return dashes + u'\n' + caption + u'\n' + dashes + u'\n' + text.left(end) + u'\n' + dashes + u'\n' +
           buttons.join("   ") + u'\n' + dashes + u'\n';
}

int TitleBarWidth(const QString& title)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(title) + kTitleBarExtraLines * metrics.height();
}

std::unique_ptr<QMessageBox> BuildMessageBox(const QString& text, const QString& title, QWidget* parent)
{
    auto box = std::make_unique<CopyableMessageBox>(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    ReserveTitleWidth(*box);
    return box;
}

} // namespace velmo
