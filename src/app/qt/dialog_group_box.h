// DialogGroupBox: a panel's group box drawn as the layout in dialog units
// expects it, with the frame line running through the middle of the caption
// and broken where the caption stands.  Toolkit styles such as Fusion put
// the line below the caption instead, where it would cut through the
// panel's top controls.
#pragma once

#include <QGroupBox>

namespace velmo {

class DialogGroupBox : public QGroupBox {
public:
    DialogGroupBox(const QString& title, QWidget* parent);

    // Where the caption is drawn, in the box's own coordinates.
    QRect CaptionRect() const;
    // The frame: its top edge is the line through the caption's middle.
    QRect FrameRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace velmo
