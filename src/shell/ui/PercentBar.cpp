#include "PercentBar.h"

#include <QPainter>
#include <QPaintEvent>
#include <algorithm>
#include <cmath>

namespace lexaroo {

PercentBar::PercentBar(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PercentBar::setValue(int percent)
{
    percent = std::clamp(percent, 0, 100);
    if (percent == value_)
        return;
    value_ = percent;
    update();
}

void PercentBar::setFillColor(const QColor& colour)
{
    fill_ = colour;
    update();
}

void PercentBar::setEmptyColor(const QColor& colour)
{
    empty_ = colour;
    update();
}

int PercentBar::FilledWidth(int insideWidth, int percent)
{
    if (insideWidth <= 0)
        return 0;
    percent = std::clamp(percent, 0, 100);
    return static_cast<int>(std::lround(static_cast<double>(insideWidth) * percent / 100.0));
}

void PercentBar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    // Paint in device pixels: the scale the painter applies to this widget
    // (the screen's, or an image's when the bar is rendered into one) is
    // undone, and every rectangle below has whole-pixel edges.
    const double scale = std::max(1.0, p.deviceTransform().m11());
    p.scale(1.0 / scale, 1.0 / scale);
    p.setRenderHint(QPainter::Antialiasing, false);
    const int w = static_cast<int>(std::lround(width() * scale));
    const int h = static_cast<int>(std::lround(height() * scale));
    // Two bevels (outer raised frame, inner sunken well), each one logical
    // pixel thick, rounded to whole device pixels.
    const int b = std::max(1, static_cast<int>(std::lround(scale)));

    const QColor light(255, 255, 255);
    const QColor face(192, 192, 192);
    const QColor shadow(128, 128, 128);
    const QColor dark(0, 0, 0);
    auto bevel = [&](int x, int y, int bw, int bh, const QColor& topLeft, const QColor& bottomRight) {
        p.fillRect(x, y, bw, b, topLeft);
        p.fillRect(x, y, b, bh, topLeft);
        p.fillRect(x, y + bh - b, bw, b, bottomRight);
        p.fillRect(x + bw - b, y, b, bh, bottomRight);
    };

    p.fillRect(0, 0, w, h, face);
    bevel(0, 0, w, h, light, dark);                  // raised outer edge
    bevel(2 * b, 2 * b, w - 4 * b, h - 4 * b, shadow, light); // sunken well

    const int insideX = 3 * b, insideY = 3 * b;
    const int insideW = std::max(0, w - 6 * b), insideH = std::max(0, h - 6 * b);
    const int filled = FilledWidth(insideW, value_);
    p.fillRect(insideX, insideY, insideW, insideH, empty_);
    p.fillRect(insideX, insideY, filled, insideH, fill_);
}

} // namespace lexaroo
