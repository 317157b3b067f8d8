#include "optBuilt.h"

#include "UiKit.h"
#include "WindowChrome.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace lexaroo {

namespace {
constexpr int kHelpTopic = 3;
constexpr int kOptionHeight = 255;
} // namespace

optBuilt::optBuilt(GameState& state, Platform& platform, QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform)
{
    setObjectName(QStringLiteral("optBuilt"));
    setWindowTitle(QStringLiteral("Built-In List Options"));
    setModal(true);
    SetUpWindow(this, 4935, 3825, QColor(192, 192, 192));
    setFont(DesignFont(QStringLiteral("MS Sans Serif"), 8, true));

    // The current settings are selected before the options are bound, and
    // out-of-range values (a hand-edited settings file) select nothing.
    const int caseIndex = state_.BuiltInCase;
    const int gradeIndex = state_.BuiltInGrade;
    const int listIndex = state_.BuiltInList;

    auto* frame3 = new QGroupBox(QStringLiteral("Case?"), this);
    frame3->setObjectName(QStringLiteral("Frame3"));
    PlaceTwips(frame3, 120, 120, 1215, 900);
    optUC_[1] = AddOption(frame3, QStringLiteral("optUC"), QStringLiteral("Lower"), 120, 300,
                          state_.BuiltInCase, 1);
    optUC_[2] = AddOption(frame3, QStringLiteral("optUC"), QStringLiteral("Upper"), 120,
                          300 + kOptionHeight, state_.BuiltInCase, 2);

    auto* frame2 = new QGroupBox(QStringLiteral("Grade Level"), this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    PlaceTwips(frame2, 1455, 120, 1695, 2160);
    for (int g = 0; g <= 6; ++g)
        optGrade_[g] = AddOption(frame2, QStringLiteral("optGrade"),
                                 g == 0 ? QStringLiteral("Kindergarten")
                                        : QStringLiteral("Grade %1").arg(g),
                                 120, 300 + kOptionHeight * g, state_.BuiltInGrade, g);

    auto* frame1 = new QGroupBox(QStringLiteral("Which List?"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    PlaceTwips(frame1, 3270, 120, 1545, 2955);
    for (int l = 1; l <= 10; ++l)
        optList_[l] = AddOption(frame1, QStringLiteral("optList"), QStringLiteral("List %1").arg(l),
                                120, 300 + kOptionHeight * (l - 1), state_.BuiltInList, l);

    if (caseIndex >= 1 && caseIndex <= 2)
        optUC_[caseIndex]->setChecked(true);
    if (gradeIndex >= 0 && gradeIndex <= 6)
        optGrade_[gradeIndex]->setChecked(true);
    if (listIndex >= 1 && listIndex <= 10)
        optList_[listIndex]->setChecked(true);

    cmdOK_ = MakeButton(this, QStringLiteral("cmdOK"), QStringLiteral("&OK"), 1320, 3240, 972, 492);
    cmdCancel_ = MakeButton(this, QStringLiteral("cmdCancel"), QStringLiteral("&Cancel"), 2640,
                            3240, 972, 492);
    cmdOK_->setDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, [this] { Finish(false); });
    connect(cmdCancel_, &QPushButton::clicked, this, [this] { Finish(true); });

    AddWindowChrome(this, platform_.help, kHelpTopic);
}

QRadioButton* optBuilt::AddOption(QGroupBox* frame, const QString& name, const QString& caption,
                                  int left, int top, std::int16_t& member, int index)
{
    auto* option = new QRadioButton(caption, frame);
    option->setObjectName(ArrayName(name, index));
    PlaceTwips(option, left, top, frame->width() * 15 - 2 * left, kOptionHeight);
    connect(option, &QRadioButton::toggled, this, [&member, index](bool on) {
        if (on)
            member = static_cast<std::int16_t>(index);
    });
    return option;
}

void optBuilt::Finish(bool cancelled)
{
    if (finished_)
        return;
    finished_ = true;
    state_.BuiltInCancelled = cancelled ? 1 : 0;
    done(cancelled ? QDialog::Rejected : QDialog::Accepted);
}

void optBuilt::reject() { Finish(true); }

void optBuilt::closeEvent(QCloseEvent* event)
{
    // The window's close command counts as OK.
    event->accept();
    Finish(false);
}

void ChooseBuiltInList(GameState& state, Platform& platform, QWidget* parent)
{
    optBuilt chooser(state, platform, parent);
    chooser.exec();
}

} // namespace lexaroo
