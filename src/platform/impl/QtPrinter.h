#pragma once
#include "Dialogs.h"
#include "Printer.h"

#include <QFont>
#include <QRectF>
#include <memory>

class QPainter;
class QPrinter;

namespace lexaroo {

// Prints on the default printer. With no printer installed it offers to save
// the page as a PDF file. Page units are mapped to the printable area by hand
// (not with a painter window), so fonts keep their size in points.
class QtPrinter : public Printer {
public:
    explicit QtPrinter(Dialogs& dialogs);
    ~QtPrinter() override;

    bool BeginDoc(const QString& documentName, QString* error) override;
    void SetFont(const QString& family, double points, bool bold) override;
    void SetPos(double x, double y) override;
    double CurrentX() const override { return x_; }
    double CurrentY() const override { return y_; }
    void PrintText(const QString& text, bool newline) override;
    double LineHeight() const override;
    void Line(double x1, double y1, double x2, double y2) override;
    void Box(double x1, double y1, double x2, double y2, std::optional<Rgb> fill) override;
    bool EndDoc(QString* error) override;

private:
    QPointF Map(double x, double y) const;

    Dialogs& dialogs_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    QRectF area_;
    QFont font_;
    double x_ = 0;
    double y_ = 0;
};

} // namespace lexaroo
