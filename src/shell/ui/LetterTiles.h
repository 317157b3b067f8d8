#pragma once
#include "Keyboard.h"
#include "LetterRules.h"

#include <QColor>
#include <QObject>
#include <array>

class QKeyEvent;
class QWidget;

namespace lexaroo {

class ClickLabel;

// The 28 letter tiles of the spelling games, "A".."Z", "'" and "-", and the
// typed keys that stand for them. Each game places them where its layout
// puts them; a click or a key emits `tile`.
class LetterTiles : public QObject {
    Q_OBJECT
public:
    // White tiles with a single border and `text` coloured captions.
    LetterTiles(QWidget* parent, Keyboard& keyboard, const QColor& text, int widthTwips = 375,
                int heightTwips = 420);

    // Rows of `perRow` tiles from (left, top), `stepX` and `stepY` twips apart.
    void PlaceRows(int left, int top, int perRow, int stepX, int stepY);
    // A list with lower-case letters only (ListCase 1) shows "a".."z".
    void ShowListCase(int listCase);
    // A key typed anywhere in the game: a letter of either case, "'" or "-"
    // enters its tile; any other character beeps and is discarded. Keys
    // that type nothing (arrows, F1), Tab and shortcuts are left alone.
    // True when the key was used or discarded here.
    bool TypeKey(QKeyEvent* event);

    std::array<ClickLabel*, kTileCount> lblLetter{};

signals:
    // A letter entry for tile `index`; `typedChar` is the code of the key
    // that made it, 0 for a click.
    void tile(int index, int typedChar);

private:
    Keyboard& keyboard_;
    int width_, height_;
};

} // namespace lexaroo
