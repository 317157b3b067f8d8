#include "QtPrinter.h"

#include <QDir>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace lexaroo {

namespace {
constexpr double kPageWidth = 850.0;
constexpr double kPageHeight = 1100.0;
} // namespace

QtPrinter::QtPrinter(Dialogs& dialogs) : dialogs_(dialogs)
{
    font_ = QFont(QStringLiteral("Courier New"));
    font_.setPointSizeF(12);
}

QtPrinter::~QtPrinter()
{
    if (painter_)
        painter_->end();
}

bool QtPrinter::BeginDoc(const QString& documentName, QString* error)
{
    painter_.reset();
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setDocName(documentName);
    // With no printer the page can still be saved as a PDF file.
    QString pdf;
    if (QPrinterInfo::defaultPrinterName().isEmpty()
        && QPrinterInfo::availablePrinterNames().isEmpty()) {
        const auto answer = dialogs_.MsgBox(
            QStringLiteral("No printer is installed on this computer.\n\n"
                           "Do you want to save the page as a PDF file instead?"),
            QStringLiteral("Print"), MsgIcon::Question, MsgButtons::YesNo, MsgAnswer::Yes);
        if (answer == MsgAnswer::Yes)
            pdf = dialogs_.SaveFileName(QStringLiteral("Save Page as PDF"),
                                        QDir::home().filePath(documentName + QStringLiteral(".pdf")),
                                        QStringLiteral("PDF Files (*.pdf)"));
        if (pdf.isEmpty()) {
            if (error)
                *error = QStringLiteral("Nothing was printed: no printer is installed.");
            printer_.reset();
            return false;
        }
    }
    if (!pdf.isEmpty()) {
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(pdf);
    }
    printer_->setPageSize(QPageSize(QPageSize::Letter));
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_.get())) {
        if (error)
            *error = pdf.isEmpty()
                         ? QStringLiteral("The printer could not be started.")
                         : QStringLiteral("The file %1 could not be written.").arg(pdf);
        painter_.reset();
        printer_.reset();
        return false;
    }
    area_ = printer_->pageRect(QPrinter::DevicePixel);
    area_.moveTo(0, 0); // the painter's origin is the printable area's corner
    painter_->setFont(font_);
    x_ = y_ = 0;
    return true;
}

QPointF QtPrinter::Map(double x, double y) const
{
    return {x * area_.width() / kPageWidth, y * area_.height() / kPageHeight};
}

void QtPrinter::SetFont(const QString& family, double points, bool bold)
{
    font_ = QFont(family);
    font_.setPointSizeF(points);
    font_.setBold(bold);
    if (painter_)
        painter_->setFont(font_);
}

void QtPrinter::SetPos(double x, double y)
{
    x_ = x;
    y_ = y;
}

double QtPrinter::LineHeight() const
{
    if (!painter_)
        return 12.0 / 72.0 * 100.0;
    const QFontMetricsF m(font_, printer_.get());
    return m.height() * kPageHeight / area_.height();
}

void QtPrinter::PrintText(const QString& text, bool newline)
{
    if (!painter_)
        return;
    const QFontMetricsF m(font_, printer_.get());
    const QPointF at = Map(x_, y_);
    painter_->drawText(QPointF(at.x(), at.y() + m.ascent()), text);
    if (newline) {
        x_ = 0;
        y_ += LineHeight();
    } else {
        x_ += m.horizontalAdvance(text) * kPageWidth / area_.width();
    }
}

void QtPrinter::Line(double x1, double y1, double x2, double y2)
{
    if (!painter_)
        return;
    painter_->setPen(QPen(Qt::black, 0));
    painter_->drawLine(Map(x1, y1), Map(x2, y2));
    x_ = x2;
    y_ = y2;
}

void QtPrinter::Box(double x1, double y1, double x2, double y2, std::optional<Rgb> fill)
{
    if (!painter_)
        return;
    const QRectF r(Map(x1, y1), Map(x2, y2));
    if (fill) {
        painter_->fillRect(r.normalized(), QColor(fill->r, fill->g, fill->b));
    } else {
        painter_->setPen(QPen(Qt::black, 0));
        painter_->setBrush(Qt::NoBrush);
        painter_->drawRect(r.normalized());
    }
    x_ = x2;
    y_ = y2;
}

bool QtPrinter::EndDoc(QString* error)
{
    if (!painter_) {
        if (error)
            *error = QStringLiteral("No page was started.");
        return false;
    }
    const bool ok = painter_->end();
    painter_.reset();
    printer_.reset();
    if (!ok && error)
        *error = QStringLiteral("The page could not be sent to the printer.");
    return ok;
}

} // namespace lexaroo
