#include "Looks.h"

#include <QFrame>
#include <QGroupBox>
#include <QWidget>

namespace lexaroo {

namespace {
QString Rgb(const QColor& c) { return QStringLiteral("rgb(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue()); }

// A frame's rules name it, so its look never leaks into the controls it holds.
QString Scoped(const QFrame* frame, const QString& rules)
{
    return QStringLiteral("QFrame#%1 { %2 }").arg(frame->objectName(), rules);
}
} // namespace

void LookCaption(QWidget* label, const QColor& text)
{
    label->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(Rgb(text)));
}

void LookBox(QWidget* label, const QColor& text, const QColor& background)
{
    label->setStyleSheet(QStringLiteral("color: %1; background: %2; border: 1px solid %3;")
                             .arg(Rgb(text), Rgb(background), Rgb(QBColor(0))));
}

void LookTitle(QWidget* label, const QColor& text, const QColor& background)
{
    label->setStyleSheet(QStringLiteral("color: %1; background: %2;").arg(Rgb(text), Rgb(background)));
}

void LookFrameCaption(QGroupBox* frame, const QColor& text)
{
    frame->setStyleSheet(QStringLiteral("QGroupBox { color: %1; }").arg(Rgb(text)));
}

void LookPanel(QGroupBox* frame, const QColor& fill, const QColor& caption)
{
    frame->setStyleSheet(
        QStringLiteral("QGroupBox#%1 { background-color: %2; border: 2px groove %3;"
                       " margin-top: 0px; padding-top: 0px; }"
                       "QGroupBox#%1::title { color: %4; subcontrol-origin: padding;"
                       " subcontrol-position: top center; padding-top: 3px; }")
            .arg(frame->objectName(), Rgb(fill), Rgb(QBColor(7)), Rgb(caption)));
}

void LookPlate(QFrame* plate, const QColor& fill, const QColor& border, int borderPixels,
               int radiusPixels)
{
    plate->setStyleSheet(Scoped(plate, QStringLiteral("background: %1; border: %2px solid %3; border-radius: %4px;")
                                           .arg(Rgb(fill))
                                           .arg(borderPixels)
                                           .arg(Rgb(border))
                                           .arg(radiusPixels)));
}

} // namespace lexaroo
