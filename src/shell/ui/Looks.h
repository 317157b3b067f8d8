#pragma once
#include "UiKit.h"

#include <QColor>

class QFrame;
class QGroupBox;
class QLabel;
class QWidget;

namespace lexaroo {

// The looks the screens repeat, each made in one place. Colours come from
// the callers as QBColor numbers or RGB values; the style sheets are built
// here.

// Text in a colour on whatever lies behind it (a caption on a coloured
// window or frame). Yellow unless told otherwise.
void LookCaption(QWidget* label, const QColor& text = QBColor(14));

// A box with a single black border: the word, Words Left, a letter tile.
void LookBox(QWidget* label, const QColor& text = QBColor(0), const QColor& background = QBColor(15));

// A title: coloured text on a coloured ground, without a border.
void LookTitle(QWidget* label, const QColor& text, const QColor& background);

// A frame's caption colour.
void LookFrameCaption(QGroupBox* frame, const QColor& text = QBColor(14));

// A panel of controls: a filled frame with a grooved edge and its caption
// centred on top.
void LookPanel(QGroupBox* frame, const QColor& fill, const QColor& caption);

// A filled plate with a border, optionally with rounded corners: the shapes
// that frame words and lists.
void LookPlate(QFrame* plate, const QColor& fill, const QColor& border = QBColor(0),
               int borderPixels = 1, int radiusPixels = 0);

} // namespace lexaroo
