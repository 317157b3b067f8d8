#pragma once
#include "GameState.h"

#include <QDialog>
#include <QVector>

class QFrame;
class QLabel;
class QPushButton;

namespace lexaroo {

// The results screen of the five scored games: the score sentence and the
// words tried or spelled correctly and those to study more.
class frmResults : public QDialog {
    Q_OBJECT
public:
    frmResults(const GameState& state, const QString& caption, QWidget* parent = nullptr);

    QLabel* Label1() const { return Label1_; }
    const QVector<QLabel*>& lblRight() const { return lblRight_; } // cells 1..n at [0..n-1]
    const QVector<QLabel*>& lblWrong() const { return lblWrong_; }
    QPushButton* cmdOK() const { return cmdOK_; }

private:
    QVector<QLabel*> MakeCells(const QString& base, const QVector<QPoint>& cells,
                               const QStringList& words);

    QLabel* Label1_ = nullptr;
    QVector<QLabel*> lblRight_;
    QVector<QLabel*> lblWrong_;
    QPushButton* cmdOK_ = nullptr;
};

// Opens the results screen modally with the game's title in its caption and
// returns when it has been closed.
void ShowResults(const GameState& state, const QString& title);

} // namespace lexaroo
