#include "app/qt/window_platform.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>

namespace velmo {

void WindowPlatform::SetWindowText(int boxId, std::string_view text)
{
    QWidget* box = boxes_.value(boxId);
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setText(QString::fromUtf8(text));
        line->setCursorPosition(0);
    } else if (auto* multi = qobject_cast<QPlainTextEdit*>(box)) {
        multi->setPlainText(QString::fromUtf8(text));
    }
}

void WindowPlatform::MessageBox(std::string_view text, std::optional<std::string_view> caption)
{
    const QString title = caption ? QString::fromUtf8(*caption) : QApplication::applicationName();
    if (presenter_) {
        presenter_(QString::fromUtf8(text), title);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, title, QString::fromUtf8(text), QMessageBox::Ok, messageParent_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace velmo
