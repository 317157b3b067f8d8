#pragma once
#include <QColor>
#include <QFont>
#include <QString>

class QGroupBox;
class QWidget;
class QLabel;
class QPushButton;

namespace lexaroo {

// Window geometry is designed in twips; 15 twips make one logical pixel and
// Qt's high-DPI scaling does the rest.
constexpr int Twips(int twips) { return (twips + 7) / 15; }

// The 16-colour palette the designs name by number.
QColor QBColor(int n);

// Maps the design font families to installed metric-compatible ones, so text
// fits the boxes it was laid out for. Call once at start-up.
void InstallFontSubstitutions();

QFont DesignFont(const QString& family, double points, bool bold = false);

// Places a control by its design rectangle in twips.
void PlaceTwips(QWidget* w, int left, int top, int width, int height);

// Makes a top-level window fixed-size (in twips) with a background colour.
void SetUpWindow(QWidget* window, int widthTwips, int heightTwips, const QColor& background);

// Centres a window on its screen: Left = (screen width - window width) * 0.5.
void CentreOnScreen(QWidget* window);

// A label or push button with an object name, design rectangle and caption.
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, int left,
                  int top, int width, int height);
QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption,
                        int left, int top, int width, int height);
// A push button showing a picture from the resources (an SVG drawn crisply at
// any scale), with an optional caption under it.
QPushButton* MakePictureButton(QWidget* parent, const QString& name, const QString& picture,
                               const QString& caption, int left, int top, int width,
                               int height);

// The frame `fraChoice` holding a window's "&Help" and "E&xit" buttons
// (`cmdHelp`, `cmdExit`, 1095 x 495 twips each, at the given places inside it).
struct HelpExitFrame {
    QGroupBox* frame;
    QPushButton* help;
    QPushButton* exit;
};
HelpExitFrame MakeHelpExitFrame(QWidget* parent, int left, int top, int width, int height,
                                int helpLeft, int helpTop, int exitLeft, int exitTop);

// Object name of a control-array member: "lblLetter(3)".
QString ArrayName(const QString& base, int index);

} // namespace lexaroo
