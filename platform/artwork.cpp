#include "artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace krv1::platform {
namespace {

using Painting = std::function<void(QPainter&, double size)>;

QPixmap Paint(int size, const Painting& paint) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter, size);
    return pixmap;
}

QIcon IconOf(const Painting& paint) {
    QIcon icon;
    for (int size : {16, 32}) icon.addPixmap(Paint(size, paint));
    return icon;
}

}  // namespace

QIcon RedDiscIcon() {
    return IconOf([](QPainter& p, double s) {
        p.setPen(QPen(QColor(128, 0, 0), s / 16));
        p.setBrush(QColor(255, 0, 0));
        p.drawEllipse(QRectF(s * 0.06, s * 0.06, s * 0.88, s * 0.88));
    });
}

QIcon ChevronIcon() {
    return IconOf([](QPainter& p, double s) {
        p.setPen(QPen(Qt::black, s / 10));
        for (double x : {0.25, 0.5}) {
            p.drawPolyline(QPolygonF{QPointF(s * x, s * 0.25), QPointF(s * (x + 0.2), s * 0.5),
                                     QPointF(s * x, s * 0.75)});
        }
    });
}

QIcon SpeechBubbleIcon() {
    return IconOf([](QPainter& p, double s) {
        p.fillRect(QRectF(0, 0, s, s), Qt::black);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(s * 0.1, s * 0.12, s * 0.8, s * 0.58));
        QPainterPath tail;
        tail.moveTo(s * 0.3, s * 0.6);
        tail.lineTo(s * 0.22, s * 0.9);
        tail.lineTo(s * 0.5, s * 0.66);
        p.drawPath(tail);
    });
}

QIcon SmilingFaceIcon() {
    return IconOf([](QPainter& p, double s) {
        p.fillRect(QRectF(0, 0, s, s), QColor(255, 0, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(s * 0.1, s * 0.1, s * 0.8, s * 0.8));
        p.setBrush(QColor(255, 0, 0));
        p.drawEllipse(QRectF(s * 0.32, s * 0.32, s * 0.1, s * 0.12));
        p.drawEllipse(QRectF(s * 0.58, s * 0.32, s * 0.1, s * 0.12));
        p.setPen(QPen(QColor(255, 0, 0), s / 14, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(s * 0.3, s * 0.35, s * 0.4, s * 0.35), 200 * 16, 140 * 16);
    });
}

QPixmap RoadWorksSign(int size) {
    return Paint(size, [](QPainter& p, double s) {
        // The diamond: yellow face, black rim.
        QPolygonF diamond;
        diamond << QPointF(s / 2, 1) << QPointF(s - 1, s / 2) << QPointF(s / 2, s - 1)
                << QPointF(1, s / 2);
        p.setPen(QPen(Qt::black, s / 20));
        p.setBrush(QColor(255, 204, 0));
        p.drawPolygon(diamond);
        // The digging figure: head, bent body, legs, a spade and its heap.
        p.setPen(QPen(Qt::black, s / 16, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(s * 0.42, s * 0.3), s * 0.05, s * 0.05);
        p.drawLine(QPointF(s * 0.42, s * 0.36), QPointF(s * 0.5, s * 0.56));  // body
        p.drawLine(QPointF(s * 0.5, s * 0.56), QPointF(s * 0.42, s * 0.7));   // back leg
        p.drawLine(QPointF(s * 0.5, s * 0.56), QPointF(s * 0.58, s * 0.7));   // front leg
        p.drawLine(QPointF(s * 0.45, s * 0.42), QPointF(s * 0.6, s * 0.48));  // arms
        p.drawLine(QPointF(s * 0.56, s * 0.4), QPointF(s * 0.66, s * 0.64));  // spade handle
        p.drawEllipse(QPointF(s * 0.68, s * 0.66), s * 0.03, s * 0.03);       // blade
        QPainterPath heap;
        heap.moveTo(s * 0.26, s * 0.72);
        heap.quadTo(s * 0.32, s * 0.6, s * 0.38, s * 0.72);
        heap.closeSubpath();
        p.drawPath(heap);
    });
}

}  // namespace krv1::platform
