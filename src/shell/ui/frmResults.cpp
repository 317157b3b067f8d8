#include "frmResults.h"

#include "Results.h"
#include "Looks.h"
#include "UiKit.h"
#include "WindowChrome.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace lexaroo {

namespace {
constexpr int kWidth = 9375;

QFrame* MakeBox(QWidget* parent, const QString& name, int top, int height)
{
    auto* box = new QFrame(parent);
    box->setObjectName(name);
    LookPlate(box, QBColor(15), QBColor(0), 1, 10);
    PlaceTwips(box, 240, top, 8895, height);
    return box;
}

QLabel* MakeHeading(QWidget* parent, const QString& name, const QString& text, int top, int width,
                    int height)
{
    auto* label = MakeLabel(parent, name, text, 240, top, width, height);
    label->setFont(DesignFont(QStringLiteral("Arial"), 12, true));
    LookCaption(label);
    return label;
}
} // namespace

frmResults::frmResults(const GameState& state, const QString& caption, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmResults"));
    setWindowTitle(caption);
    setModal(true);

    const int right = state.WordsTried - state.WordsMissed;
    const int wrong = state.WordsMissed;
    const ResultsLayout layout = LayOutResults(right, wrong);
    SetUpWindow(this, kWidth, layout.windowHeight, QBColor(9));
    CentreWhenFirstShown(this);

    Label1_ = MakeHeading(this, QStringLiteral("Label1"),
                          ResultsSentence(state.WordsTried, state.WordCount, state.ScorePoints),
                          120, 8895, 495);
    MakeHeading(this, QStringLiteral("Label2"),
                QStringLiteral("Word(s) tried and/or spelled correctly:"), 600, 6015, 375);
    MakeBox(this, QStringLiteral("Shape1"), 1080, layout.shape1Height);
    MakeHeading(this, QStringLiteral("Label3"), QStringLiteral("Word(s) to study more:"),
                layout.label3Top, 4215, 375);
    MakeBox(this, QStringLiteral("Shape2"), layout.shape2Top, layout.shape2Height);

    lblRight_ = MakeCells(QStringLiteral("lblRight"), layout.rightCells, GridWords(state, 1, right));
    lblWrong_ = MakeCells(QStringLiteral("lblWrong"), layout.wrongCells, GridWords(state, -1, wrong));

    cmdOK_ = MakeButton(this, QStringLiteral("cmdOK"), QStringLiteral("&OK"), 4200, layout.cmdOkTop,
                        972, 492);
    cmdOK_->setFont(DesignFont(QStringLiteral("MS Sans Serif"), 9.75, true));
    cmdOK_->setDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);
}

QVector<QLabel*> frmResults::MakeCells(const QString& base, const QVector<QPoint>& cells,
                                       const QStringList& words)
{
    QVector<QLabel*> labels;
    const QFont font = DesignFont(QStringLiteral("Arial"), 9.75);
    for (int k = 0; k < cells.size(); ++k) {
        auto* cell = MakeLabel(this, ArrayName(base, k + 1), k < words.size() ? words[k] : QString(),
                               cells[k].x(), cells[k].y(), 2175, 255);
        cell->setFont(font);
        LookTitle(cell, QBColor(0), QBColor(15));
        cell->raise();
        labels << cell;
    }
    return labels;
}

void ShowResults(const GameState& state, const QString& title)
{
    frmResults results(state, ResultsCaption(title, state.ListName));
    results.exec();
}

} // namespace lexaroo
