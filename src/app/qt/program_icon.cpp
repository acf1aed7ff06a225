#include "app/qt/program_icon.h"

#include <QPainter>
#include <QPainterPath>

namespace velmo {
namespace {

void DrawCard(QPainter& p, const QRectF& card, qreal angle, const QColor& pip, bool heart)
{
    p.save();
    p.translate(card.center());
    p.rotate(angle);
    const QRectF r(-card.width() / 2, -card.height() / 2, card.width(), card.height());
    p.setPen(QPen(QColor(60, 60, 60), card.width() * 0.03));
    p.setBrush(QColor(250, 250, 245));
    p.drawRoundedRect(r, card.width() * 0.12, card.width() * 0.12);

    // One large pip in the middle of the card.
    const qreal s = card.width() * 0.55;
    QPainterPath path;
    if (heart) {
        path.moveTo(0, s * 0.45);
        path.cubicTo(-s * 0.9, -s * 0.15, -s * 0.35, -s * 0.75, 0, -s * 0.25);
        path.cubicTo(s * 0.35, -s * 0.75, s * 0.9, -s * 0.15, 0, s * 0.45);
    } else {
        path.moveTo(0, -s * 0.5);
        path.cubicTo(s * 0.9, s * 0.05, s * 0.35, s * 0.55, 0, s * 0.2);
        path.cubicTo(-s * 0.35, s * 0.55, -s * 0.9, s * 0.05, 0, -s * 0.5);
        path.moveTo(0, s * 0.1);
        path.lineTo(s * 0.18, s * 0.55);
        path.lineTo(-s * 0.18, s * 0.55);
        path.closeSubpath();
    }
    p.setPen(Qt::NoPen);
    p.setBrush(pip);
    p.drawPath(path);
    p.restore();
}

} // namespace

QImage RenderProgramIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal m = size * 0.04;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(22, 110, 60));
    p.drawRoundedRect(QRectF(m, m, size - 2 * m, size - 2 * m), size * 0.18, size * 0.18);

    const qreal w = size * 0.42, h = size * 0.6;
    DrawCard(p, QRectF(size * 0.16, size * 0.2, w, h), -12, QColor(20, 20, 20), false);
    DrawCard(p, QRectF(size * 0.42, size * 0.2, w, h), 12, QColor(200, 30, 40), true);
    return image;
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(RenderProgramIcon(size)));
    return icon;
}

} // namespace velmo
