// The real help window and printer, on the offscreen platform.
#include "FakePlatform.h"
#include "HelpWindow.h"
#include "QtPrinter.h"
#include "TestFiles.h"
#include "UiKit.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

using namespace lexaroo;

namespace {
struct PdfWord {
    QString text;
    double xMin, yMin, xMax, yMax; // points, origin top left
};

// Words of the first page with their boxes, read back by pdftotext.
QList<PdfWord> ReadPdfWords(const QString& pdf, QSizeF* pageSize)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    p.waitForFinished(10000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression page(QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\""));
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    if (auto m = page.match(html); m.hasMatch())
        *pageSize = QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
    QList<PdfWord> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words << PdfWord{m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(),
                         m.captured(3).toDouble(), m.captured(4).toDouble()};
    }
    return words;
}
} // namespace

class PlatformWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstallFontSubstitutions(); }

    void helpWithoutItsFileSaysSoInTheWindow()
    {
        HelpWindow help(QStringLiteral("/nonexistent/folder/lexaroo.hlp"));
        help.ShowTopic(2);
        auto* text = help.findChild<QTextBrowser*>(QStringLiteral("helpText"));
        QVERIFY(help.isVisible());
        QVERIFY(text->toPlainText().contains(QLatin1String("lexaroo.hlp")));
        QVERIFY(text->toPlainText().contains(QLatin1String("could not be opened")));
    }

    void helpForAnUnknownTopicOffersTheContents()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("lexaroo.hlp");
        QVERIFY(fakes::WriteFile(path, "@topic 0 Contents\n<p>All about it.</p>\n"));
        HelpWindow help(path);
        help.ShowTopic(42);
        auto* text = help.findChild<QTextBrowser*>(QStringLiteral("helpText"));
        QVERIFY(text->toPlainText().contains(QLatin1String("There is no help on this subject.")));
        help.ShowContents();
        QVERIFY(text->toPlainText().contains(QLatin1String("All about it.")));
    }

    void printedPageKeepsRealTextAtItsPlaceAndSize()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir dir;
        const QString pdf = dir.filePath("page.pdf");
        // No printer here: the page is saved as the PDF file the user names.
        fakes::FakePlatform fake;
        fake.dialogs.answers = {MsgAnswer::Yes};
        fake.dialogs.fileNames = {pdf};
        qputenv("CUPS_SERVER", "/nonexistent/cups.sock");
        QtPrinter real(fake.dialogs);
        Printer& printer = real;
        QString error;
        QVERIFY2(printer.BeginDoc(QStringLiteral("Word List"), &error), qPrintable(error));
        printer.SetFont(QStringLiteral("Courier New"), 12);
        printer.SetPos(100, 133);
        printer.PrintText(QStringLiteral("List: ANIMALS"));
        const double afterLine = printer.CurrentY();
        printer.PrintText(QStringLiteral("second"));
        printer.Box(100, 200, 728, 828, Rgb{192, 192, 192});
        printer.Box(110, 210, 148, 248);
        QVERIFY2(printer.EndDoc(&error), qPrintable(error));

        QSizeF page;
        const auto words = ReadPdfWords(pdf, &page);
        QCOMPARE(page, QSizeF(612, 792)); // letter, in points
        QCOMPARE(words.size(), 3);
        QCOMPARE(words[0].text, QStringLiteral("List:"));
        QCOMPARE(words[1].text, QStringLiteral("ANIMALS"));
        QCOMPARE(words[2].text, QStringLiteral("second"));
        // Page units map onto the printable area: x 100 lies 100/850 of its
        // width in from its left edge, whatever the margins.
        const double unitX = 612.0 / 850.0;
        QVERIFY(words[0].xMin > 100 * unitX * 0.85 && words[0].xMin < 100 * unitX + 72);
        // 12 point text stays 12 points high, not scaled with the page.
        const double height = words[0].yMax - words[0].yMin;
        QVERIFY2(height > 10 && height < 15, qPrintable(QString::number(height)));
        // The next line starts one line height lower.
        QVERIFY(words[2].yMin > words[0].yMin + 10);
        QVERIFY(afterLine > 133 + 12 / 0.72 && afterLine < 133 + 2.2 * 12 / 0.72);
    }

    void noPrinterAndNoPdfIsReportedNotFatal()
    {
        // With no printer installed the user is offered a PDF; declining
        // ends the job with a message.
        fakes::FakePlatform fake;
        fake.dialogs.answers = {MsgAnswer::No};
        QtPrinter printer(fake.dialogs);
        qputenv("CUPS_SERVER", "/nonexistent/cups.sock");
        QString error;
        const bool began = printer.BeginDoc(QStringLiteral("Word List"), &error);
        if (began) {
            printer.EndDoc(&error);
            QSKIP("this machine has a printer");
        }
        QVERIFY(!error.isEmpty());
        QCOMPARE(fake.log.Matching("msgbox \"Print\" question yesno").size(), 1);
    }
};

QTEST_MAIN(PlatformWindowsTest)
#include "PlatformWindowsTest.moc"
