#include "ui/circle.h"

#include <QPainter>
#include <algorithm>

namespace kelvoria {

QColor ToQColor(Colour bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

Circle::Circle(Colour fill, std::optional<Colour> outline, QWidget* parent)
    : QWidget(parent), fill_(fill), outline_(outline) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void Circle::SetFill(Colour fill) {
    if (fill != fill_) {
        fill_ = fill;
        update();
    }
}

void Circle::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = std::min(width(), height());
    const QRectF box((width() - side) / 2.0, (height() - side) / 2.0, side, side);
    painter.setBrush(ToQColor(fill_));
    if (outline_) {
        painter.setPen(QPen(ToQColor(*outline_), 1.0));
        painter.drawEllipse(box.adjusted(0.5, 0.5, -0.5, -0.5));
    } else {
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(box);
    }
}

}  // namespace kelvoria
