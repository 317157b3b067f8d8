#pragma once
#include "GameState.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QVector>

namespace lexaroo {

// "You tried to spell 7 words from a list of 20 words - Final score 78%"
QString ResultsSentence(int wordsTried, int wordCount, int scorePoints);

// Final percentage: whole part of 100 * points / (10 * tried), 0 when none tried.
int FinalScore(int wordsTried, int scorePoints);

// The caption of the results window.
QString ResultsCaption(const QString& title, const QString& listName);

// Where everything on the results screen goes, in twips, for a given number
// of right and missed words. The design layout grows a row (255 twips) for
// every four words past the first row.
struct ResultsLayout {
    int windowHeight = 0;
    int shape1Height = 0;
    int label3Top = 0;
    int shape2Top = 0;
    int shape2Height = 0;
    int cmdOkTop = 0;
    QVector<QPoint> rightCells; // top-left of lblRight(1..), at least one
    QVector<QPoint> wrongCells; // top-left of lblWrong(1..), at least one
};

ResultsLayout LayOutResults(int rightCount, int wrongCount);

// Texts of the `count` cells of a grid: the words with `status` (1 or -1) in
// list order, or "** NONE **" in a single cell when count is 0. Never more
// words than cells; cells without a word stay empty.
QStringList GridWords(const GameState& state, int status, int count);

} // namespace lexaroo
