#include "app/qt/dialog_group_box.h"

#include <QPainter>
#include <QStyle>
#include <qdrawutil.h>

#include <algorithm>

namespace velmo {

DialogGroupBox::DialogGroupBox(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

QRect DialogGroupBox::CaptionRect() const
{
    const QFontMetrics fm = fontMetrics();
    const int width = std::min(fm.horizontalAdvance(title()), this->width());
    // A left-aligned caption stands one character in, past the frame's corner.
    int left = std::min(fm.averageCharWidth(), this->width() - width);
    if (alignment() & Qt::AlignHCenter)
        left = (this->width() - width) / 2;
    return QRect(left, 0, width, fm.height());
}

QRect DialogGroupBox::FrameRect() const
{
    return rect().adjusted(0, CaptionRect().center().y(), 0, 0);
}

void DialogGroupBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect caption = CaptionRect();
    // A little room either side of the caption, so the line does not touch it.
    const int gap = fontMetrics().averageCharWidth() / 2;
    painter.save();
    painter.setClipRegion(QRegion(rect()).subtracted(caption.adjusted(-gap, 0, gap, 0)));
    qDrawShadeRect(&painter, FrameRect(), palette(), true, 1, 0);
    painter.restore();
    style()->drawItemText(&painter, caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextHideMnemonic, palette(),
                          isEnabled(), title(), QPalette::WindowText);
}

} // namespace velmo
