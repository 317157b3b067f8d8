#include "UiKit.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

namespace lexaroo {

QColor QBColor(int n)
{
    static const QColor palette[16] = {
        QColor(0, 0, 0),       QColor(0, 0, 128),     QColor(0, 128, 0),     QColor(0, 128, 128),
        QColor(128, 0, 0),     QColor(128, 0, 128),   QColor(128, 128, 0),   QColor(192, 192, 192),
        QColor(128, 128, 128), QColor(0, 0, 255),     QColor(0, 255, 0),     QColor(0, 255, 255),
        QColor(255, 0, 0),     QColor(255, 0, 255),   QColor(255, 255, 0),   QColor(255, 255, 255),
    };
    return palette[n & 15];
}

void InstallFontSubstitutions()
{
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
}

QFont DesignFont(const QString& family, double points, bool bold)
{
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

void PlaceTwips(QWidget* w, int left, int top, int width, int height)
{
    w->setGeometry(Twips(left), Twips(top), Twips(width), Twips(height));
}

void SetUpWindow(QWidget* window, int widthTwips, int heightTwips, const QColor& background)
{
    window->setFixedSize(Twips(widthTwips), Twips(heightTwips));
    QPalette pal = window->palette();
    pal.setColor(QPalette::Window, background);
    window->setPalette(pal);
    window->setAutoFillBackground(true);
}

void CentreOnScreen(QWidget* window)
{
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize frame = window->frameGeometry().size();
    window->move(area.left() + (area.width() - frame.width()) / 2,
                 area.top() + (area.height() - frame.height()) / 2);
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, int left, int top,
                  int width, int height)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    PlaceTwips(label, left, top, width, height);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, int left,
                        int top, int width, int height)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    PlaceTwips(button, left, top, width, height);
    return button;
}

QPushButton* MakePictureButton(QWidget* parent, const QString& name, const QString& picture,
                               const QString& caption, int left, int top, int width, int height)
{
    auto* button = MakeButton(parent, name, caption, left, top, width, height);
    button->setIcon(QIcon(picture));
    const int side = std::min(button->width(), button->height()) - (caption.isEmpty() ? 8 : 20);
    button->setIconSize(QSize(side, side));
    return button;
}

HelpExitFrame MakeHelpExitFrame(QWidget* parent, int left, int top, int width, int height,
                                int helpLeft, int helpTop, int exitLeft, int exitTop)
{
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(QStringLiteral("fraChoice"));
    PlaceTwips(frame, left, top, width, height);
    const QFont sans = DesignFont(QStringLiteral("MS Sans Serif"), 8, true);
    auto* help = MakeButton(frame, QStringLiteral("cmdHelp"), QStringLiteral("&Help"), helpLeft,
                            helpTop, 1095, 495);
    auto* exit = MakeButton(frame, QStringLiteral("cmdExit"), QStringLiteral("E&xit"), exitLeft,
                            exitTop, 1095, 495);
    help->setFont(sans);
    exit->setFont(sans);
    return {frame, help, exit};
}

QString ArrayName(const QString& base, int index)
{
    return QStringLiteral("%1(%2)").arg(base).arg(index);
}

} // namespace lexaroo
