#include "ActivityTable.h"
#include "GameState.h"
#include "RealPlatform.h"
#include "UiKit.h"
#include "frmMenu.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lexaroo"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/lexaroo.svg")));
    lexaroo::InstallFontSubstitutions();

    // The state lives for the whole run; the platform's help viewer reads the
    // help file from the program folder.
    lexaroo::GameState state;
    state.AppFolder =
        QDir::toNativeSeparators(QCoreApplication::applicationDirPath()) + QDir::separator();
    lexaroo::RealPlatform real(state.AppFolder + QStringLiteral("lexaroo.hlp"));
    lexaroo::Platform platform = real.Get();

    lexaroo::frmMenu menu(state, platform, lexaroo::MakeActivityTable());
    QObject::connect(&menu, &lexaroo::frmMenu::programEnded, &app, [&] {
        real.HelpViewer().close();
        QTimer::singleShot(0, &app, &QApplication::quit);
    });
    menu.show();
    return app.exec();
}
