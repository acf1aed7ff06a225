#include "app/qt/window_platform.h"

#include "app/qt/message_box.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace velmo {

void WindowPlatform::SetBoxText(int boxId, std::string_view text)
{
    QWidget* box = boxes_.value(boxId);
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setText(QString::fromUtf8(text));
        line->setCursorPosition(0);
    } else if (auto* multi = qobject_cast<QPlainTextEdit*>(box)) {
        multi->setPlainText(QString::fromUtf8(text));
    }
}

void WindowPlatform::ShowMessage(std::string_view text, std::optional<std::string_view> caption)
{
    const QString title = caption ? QString::fromUtf8(*caption) : QApplication::applicationName();
    if (presenter_) {
        presenter_(QString::fromUtf8(text), title);
        return;
    }
    BuildMessageBox(QString::fromUtf8(text), title, messageParent_)->exec();
}

} // namespace velmo
