#include "frmMenu.h"

#include "SettingsFile.h"
#include "UiKit.h"
#include "WindowChrome.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSvgWidget>

namespace lexaroo {

namespace {
constexpr int kListEditor = 1;

struct ButtonPlace {
    int index, left, top;
};
// Activity buttons in the order they sit on the menu (tab order).
constexpr ButtonPlace kButtons[] = {
    {1, 4080, 120},  {10, 2880, 840}, {0, 2880, 1560}, {2, 2880, 2280},
    {3, 2880, 3000}, {4, 2880, 3720}, {5, 5280, 840},  {6, 5280, 1560},
    {7, 5280, 2280}, {8, 5280, 3000}, {9, 5280, 3720},
};
} // namespace

frmMenu::frmMenu(GameState& state, Platform& platform, QVector<ActivityEntry> activities,
                 QWidget* parent)
    : QWidget(parent), state_(state), platform_(platform), activities_(std::move(activities))
{
    setObjectName(QStringLiteral("frmMenu"));
    SetUpWindow(this, 7680, 4455, QColor(192, 255, 192));

    auto* picture = new QSvgWidget(QStringLiteral(":/pictures/menu.svg"), this);
    picture->setObjectName(QStringLiteral("Image1"));
    PlaceTwips(picture, 120, 360, 2700, 3000);

    const QFont comic = DesignFont(QStringLiteral("Comic Sans MS"), 12);
    for (const auto& b : kButtons) {
        const ActivityEntry* e = Entry(b.index);
        const QString caption = e ? e->info.title : QString();
        auto* button = MakeButton(this, ArrayName(QStringLiteral("cmdChoice"), b.index), caption,
                                  b.left, b.top, 2295, 615);
        button->setFont(comic);
        cmdChoice_[b.index] = button;
        connect(button, &QPushButton::clicked, this, [this, i = b.index] { Choose(i); });
    }
    const QFont sans = DesignFont(QStringLiteral("MS Sans Serif"), 8);
    cmdHelp_ = MakePictureButton(this, QStringLiteral("cmdHelp"), QStringLiteral(":/pictures/help.svg"),
                                 QString(), 720, 3480, 615, 615);
    cmdHelp_->setFont(sans);
    cmdHelp_->setToolTip(QStringLiteral("Help"));
    cmdHelp_->setShortcut(QKeySequence(QStringLiteral("Alt+H")));
    cmdExit_ = MakePictureButton(this, QStringLiteral("cmdExit"), QStringLiteral(":/pictures/exit.svg"),
                                 QString(), 1560, 3480, 630, 615);
    cmdExit_->setFont(sans);
    cmdExit_->setToolTip(QStringLiteral("Exit"));
    connect(cmdHelp_, &QPushButton::clicked, this, [this] { platform_.help.ShowContents(); });
    connect(cmdExit_, &QPushButton::clicked, this, [this] { ExitProgram(); });
    // The menu has no topic of its own: F1 opens the contents.
    AddWindowChrome(this, platform_.help, 0);

    Load();
}

const ActivityEntry* frmMenu::Entry(int index) const
{
    for (const auto& e : activities_)
        if (e.index == index)
            return &e;
    return nullptr;
}

void frmMenu::Load()
{
    // The program folder (AppFolder) is fixed by the caller before the menu
    // is made: the program's own folder.
    QDir::setCurrent(state_.AppFolder);
    ReadSettings(state_);
}

void frmMenu::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    Activated();
}

void frmMenu::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Activated();
}

void frmMenu::Activated()
{
    if (state_.ListName.isEmpty())
        state_.ListName = QStringLiteral("NONE");
    setWindowTitle(QStringLiteral("Lexaroo, Version 5.0 - List Name: ") + state_.ListName);
}

void frmMenu::Choose(int index)
{
    if (current_)
        return; // one activity at a time
    if (index != kListEditor && state_.WordCount == 0) {
        platform_.dialogs.MsgBox(QStringLiteral("No word list has been entered or loaded.\n"
                                                "Program will go to the List Editor."),
                                 QStringLiteral("No Word List"), MsgIcon::Information);
        index = kListEditor;
    }
    const ActivityEntry* entry = Entry(index);
    if (!entry)
        return;
    if (!entry->open) {
        const QString& caption = entry->info.title;
        platform_.dialogs.MsgBox(caption + QStringLiteral(" is coming soon."), caption,
                                 MsgIcon::Information);
        return;
    }
    hide();
    ActivityWindow* window = entry->open(state_, platform_, entry->info);
    if (!window) {
        ShowMenuAgain();
        return;
    }
    current_ = window;
    connect(window, &ActivityWindow::ended, this, &frmMenu::ShowMenuAgain);
    window->show();
    window->activateWindow();
}

void frmMenu::ShowMenuAgain()
{
    if (ending_)
        return;
    show();
    raise();
    activateWindow();
    Activated();
}

bool frmMenu::ExitProgram()
{
    if (state_.WordCount != 0 && state_.ListSaved == 0) {
        const QString text = QStringLiteral("Current Word List: ") + state_.ListName
                             + QStringLiteral("\n\nThis list will be lost if it has not been saved."
                                              "\n\nDo you still want to exit?");
        if (platform_.dialogs.MsgBox(text, QStringLiteral("Exit Lexaroo"), MsgIcon::Question,
                                     MsgButtons::YesNo, MsgAnswer::No)
            != MsgAnswer::Yes)
            return false;
    }
    QString error;
    if (!WriteSettings(state_, &error)) {
        // The program still ends; the previous settings file is kept.
        platform_.dialogs.MsgBox(QStringLiteral("Your settings could not be saved.\n\n") + error,
                                 QStringLiteral("Exit Lexaroo"), MsgIcon::Exclamation);
    }
    ending_ = true;
    if (current_)
        current_->close();
    hide();
    emit programEnded();
    return true;
}

void frmMenu::closeEvent(QCloseEvent* event)
{
    if (ending_ || ExitProgram())
        event->accept();
    else
        event->ignore();
}

} // namespace lexaroo
