#pragma once
#include <QString>
#include <optional>

namespace lexaroo {

struct Rgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// One printed page on the default printer, in a coordinate system of 850 x 1100
// units (hundredths of an inch on a letter page), origin at the top left of the
// printable area. Font sizes are in points whatever the scale. Text is kept as
// real text. Any failure is returned as a message; none ends the program.
class Printer {
public:
    virtual ~Printer() = default;
    // Starts a job. False with a message if no page can be had (for example no
    // printer and the user declined to save a PDF instead).
    virtual bool BeginDoc(const QString& documentName, QString* error) = 0;
    virtual void SetFont(const QString& family, double points, bool bold = false) = 0;
    // The print position: where the next text goes (its top left).
    virtual void SetPos(double x, double y) = 0;
    virtual double CurrentX() const = 0;
    virtual double CurrentY() const = 0;
    // Prints text at the print position. With newline the position moves to
    // the left edge (x = 0) one line down; without it, x moves past the text.
    virtual void PrintText(const QString& text, bool newline = true) = 0;
    // Height of one line of text in the current font, in page units.
    virtual double LineHeight() const = 0;
    virtual void Line(double x1, double y1, double x2, double y2) = 0;
    // A rectangle between two corners: outlined in black, or filled with
    // `fill` and no outline.
    virtual void Box(double x1, double y1, double x2, double y2,
                     std::optional<Rgb> fill = std::nullopt) = 0;
    // Ends the page and sends the job. False with a message on failure.
    virtual bool EndDoc(QString* error) = 0;
};

} // namespace lexaroo
