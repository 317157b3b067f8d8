#include "PercentBar.h"

#include <QImage>
#include <QSet>
#include <QtTest>

using namespace lexaroo;

namespace {
const QColor kFill(255, 0, 0);
const QColor kEmpty(255, 255, 200);

// The bar painted into an image the way a screen of that scale would get it.
QImage Paint(PercentBar& bar, double dpr)
{
    QImage image(QSize(qRound(bar.width() * dpr), qRound(bar.height() * dpr)),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::green); // anything the bar leaves unpainted shows up
    bar.render(&image);
    return image;
}

// Filled and empty pixels along the middle row of the well.
struct Row {
    int fill = 0, empty = 0, firstFill = -1, lastFill = -1, firstEmpty = -1;
    QSet<QRgb> others;
};
Row MiddleRow(const QImage& image)
{
    Row r;
    const int y = image.height() / 2;
    for (int x = 0; x < image.width(); ++x) {
        const QRgb c = image.pixel(x, y);
        if (c == kFill.rgb()) {
            ++r.fill;
            if (r.firstFill < 0)
                r.firstFill = x;
            r.lastFill = x;
        } else if (c == kEmpty.rgb()) {
            ++r.empty;
            if (r.firstEmpty < 0 && r.fill > 0)
                r.firstEmpty = x;
        } else {
            r.others << c;
        }
    }
    return r;
}
} // namespace

class PercentBarTest : public QObject {
    Q_OBJECT
private slots:
    void valuesOutsideTheRangeGoToTheNearestEnd()
    {
        PercentBar bar;
        bar.setValue(150);
        QCOMPARE(bar.value(), 100);
        bar.setValue(-5);
        QCOMPARE(bar.value(), 0);
        bar.setValue(46);
        QCOMPARE(bar.value(), 46);
    }

    void fillIsProportionalAndSharpAtAnyScale_data()
    {
        QTest::addColumn<double>("dpr");
        QTest::addColumn<int>("percent");
        for (double dpr : {1.0, 1.25, 1.5, 2.0, 3.0})
            for (int percent : {0, 1, 46, 50, 99, 100})
                QTest::addRow("dpr %g, %d%%", dpr, percent) << dpr << percent;
    }
    void fillIsProportionalAndSharpAtAnyScale()
    {
        QFETCH(double, dpr);
        QFETCH(int, percent);
        PercentBar bar;
        bar.setFillColor(kFill);
        bar.setEmptyColor(kEmpty);
        bar.resize(161, 33); // the score bar's size: 2415 x 495 twips
        bar.setValue(percent);
        const QImage image = Paint(bar, dpr);
        const Row row = MiddleRow(image);

        // The whole image is painted (the bar is opaque).
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                QVERIFY2(image.pixel(x, y) != QColor(Qt::green).rgb(), "unpainted pixel");

        const int inside = row.fill + row.empty;
        QVERIFY(inside > image.width() * 9 / 10);
        QCOMPARE(row.fill, PercentBar::FilledWidth(inside, percent));
        // Filled from the left, in one piece, then the empty part: no
        // blended pixels at the boundary (the bevels are black, white and
        // greys, never the fill).
        if (row.fill > 0) {
            QCOMPARE(row.lastFill - row.firstFill + 1, row.fill);
            if (row.empty > 0)
                QCOMPARE(row.firstEmpty, row.lastFill + 1);
        }
        for (QRgb c : row.others)
            QVERIFY2(qRed(c) == qGreen(c) && qGreen(c) == qBlue(c),
                     qPrintable(QStringLiteral("blended pixel %1").arg(c, 8, 16)));
    }

    void filledWidthRoundsToTheNearestPixel()
    {
        QCOMPARE(PercentBar::FilledWidth(200, 50), 100);
        QCOMPARE(PercentBar::FilledWidth(155, 50), 78); // 77.5
        QCOMPARE(PercentBar::FilledWidth(155, 1), 2);   // 1.55
        QCOMPARE(PercentBar::FilledWidth(155, 0), 0);
        QCOMPARE(PercentBar::FilledWidth(155, 100), 155);
        QCOMPARE(PercentBar::FilledWidth(0, 50), 0);
    }
};

QTEST_MAIN(PercentBarTest)
#include "PercentBarTest.moc"
