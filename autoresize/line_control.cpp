#include "autoresize/line_control.h"

#include "autoresize/twips.h"

#include <QPainter>

namespace quillmere {

LineControl::LineControl(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    Place();
}

void LineControl::SetX1(double twips) { SetPoints(twips, y1_, x2_, y2_); }
void LineControl::SetY1(double twips) { SetPoints(x1_, twips, x2_, y2_); }
void LineControl::SetX2(double twips) { SetPoints(x1_, y1_, twips, y2_); }
void LineControl::SetY2(double twips) { SetPoints(x1_, y1_, x2_, twips); }

void LineControl::SetPoints(double x1, double y1, double x2, double y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    Place();
}

QPoint LineControl::Start() const { return {TwipsToPixels(x1_), TwipsToPixels(y1_)}; }
QPoint LineControl::End() const { return {TwipsToPixels(x2_), TwipsToPixels(y2_)}; }

// The box holds both end points, one pixel of line each.
void LineControl::Place() {
    setGeometry(QRect(Start(), End()).normalized());
    update();
}

void LineControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 0));
    painter.drawLine(Start() - pos(), End() - pos());
}

}  // namespace quillmere
