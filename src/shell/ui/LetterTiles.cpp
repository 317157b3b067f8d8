#include "LetterTiles.h"

#include "ClickLabel.h"
#include "Looks.h"
#include "UiKit.h"

#include <QKeyEvent>

namespace lexaroo {

LetterTiles::LetterTiles(QWidget* parent, Keyboard& keyboard, const QColor& text, int widthTwips,
                         int heightTwips)
    : QObject(parent), keyboard_(keyboard), width_(widthTwips), height_(heightTwips)
{
    const QFont font = DesignFont(QStringLiteral("Arial"), 14.25, true);
    for (int i = 0; i < kTileCount; ++i) {
        auto* t = MakeClickLabel(parent, ArrayName(QStringLiteral("lblLetter"), i),
                                 TileCaption(i, 2), 0, 0, width_, height_);
        t->setFont(font);
        t->setAlignment(Qt::AlignCenter);
        LookBox(t, text);
        connect(t, &ClickLabel::clicked, this, [this, i] { emit tile(i, 0); });
        lblLetter[i] = t;
    }
}

void LetterTiles::PlaceRows(int left, int top, int perRow, int stepX, int stepY)
{
    for (int i = 0; i < kTileCount; ++i)
        PlaceTwips(lblLetter[i], left + stepX * (i % perRow), top + stepY * (i / perRow), width_,
                   height_);
}

void LetterTiles::ShowListCase(int listCase)
{
    for (int i = 0; i < kTileCount; ++i)
        lblLetter[i]->setText(TileCaption(i, listCase));
}

bool LetterTiles::TypeKey(QKeyEvent* event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
        return false;
    const QString text = event->text();
    if (text.size() != 1)
        return false;
    const int code = text[0].unicode();
    const int index = TileForKey(code);
    if (index < 0) {
        keyboard_.Beep();
        return true;
    }
    emit tile(index, code);
    return true;
}

} // namespace lexaroo
