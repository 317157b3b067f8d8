#include "ClickLabel.h"

#include "UiKit.h"

#include <QMouseEvent>

namespace lexaroo {

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) { setCursor(Qt::PointingHandCursor); }

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    pressed_ = true;
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    const bool inside = rect().contains(event->position().toPoint());
    const bool wasPressed = pressed_;
    pressed_ = false;
    event->accept();
    if (wasPressed && inside)
        emit clicked();
}

ClickLabel* MakeClickLabel(QWidget* parent, const QString& name, const QString& text, int left,
                           int top, int width, int height)
{
    auto* label = new ClickLabel(parent);
    label->setObjectName(name);
    label->setText(text);
    PlaceTwips(label, left, top, width, height);
    return label;
}

} // namespace lexaroo
