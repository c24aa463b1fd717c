#include "shell/Artwork.h"

#include <QPainter>
#include <QPainterPath>

namespace shell {
namespace {

const QColor kSupply(196, 40, 28);
const QColor kReturn(30, 90, 180);
const QColor kMetal(120, 124, 130);

void radiator(QPainter& p, const QRectF& area) {
    const double w = area.width();
    const double h = area.height();
    const QRectF body(area.left() + w * 0.2, area.top() + h * 0.15, w * 0.6, h * 0.55);
    p.setPen(QPen(kMetal.darker(130), 2));
    p.setBrush(QColor(235, 236, 238));
    p.drawRoundedRect(body, 6, 6);
    p.setPen(QPen(kMetal, 3));
    const int ribs = 9;
    for (int i = 1; i < ribs; ++i) {
        const double x = body.left() + body.width() * i / ribs;
        p.drawLine(QPointF(x, body.top() + 8), QPointF(x, body.bottom() - 8));
    }
    p.setPen(QPen(kSupply, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(area.left() + 6, body.top() + 12), QPointF(body.left(), body.top() + 12));
    p.setPen(QPen(kReturn, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(body.right(), body.bottom() - 12),
               QPointF(area.right() - 6, body.bottom() - 12));
    p.setPen(QPen(kSupply.darker(120), 2));
    p.setBrush(kSupply.lighter(150));
    p.drawEllipse(QPointF(body.left() - 10, body.top() + 12), 7, 7);  // the valve
}

void network(QPainter& p, const QRectF& area) {
    const double w = area.width();
    const double h = area.height();
    const double riserX[] = {0.2, 0.5, 0.8};
    for (int pipe = 0; pipe < 2; ++pipe) {
        const double offset = pipe * 8;
        p.setPen(QPen(pipe == 0 ? kSupply : kReturn, 4, Qt::SolidLine, Qt::RoundCap));
        const double y = area.bottom() - 14 - offset;
        p.drawLine(QPointF(area.left() + 10, y), QPointF(area.right() - 10, y));
        for (double x : riserX)
            p.drawLine(QPointF(area.left() + w * x + offset, y),
                       QPointF(area.left() + w * x + offset, area.top() + h * 0.12));
    }
    p.setPen(QPen(kMetal.darker(120), 1.5));
    p.setBrush(QColor(235, 236, 238));
    for (double x : riserX)
        for (int floor = 0; floor < 3; ++floor) {
            const double y = area.top() + h * (0.16 + floor * 0.22);
            p.drawRect(QRectF(area.left() + w * x + 14, y, w * 0.12, h * 0.12));
        }
    p.setBrush(kMetal);
    p.drawEllipse(QPointF(area.left() + 22, area.bottom() - 18), 10, 10);  // the pump
}

}  // namespace

void Artwork::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = rect().adjusted(4, 4, -4, -4);
    painter.setPen(QPen(QColor(200, 200, 204), 1));
    painter.setBrush(QColor(250, 250, 247));
    painter.drawRoundedRect(area, 8, 8);
    if (motif_ == Motif::Radiator)
        radiator(painter, area);
    else
        network(painter, area);
}

}  // namespace shell
