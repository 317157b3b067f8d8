// A program that links only lexaroo_pictures finds every picture among its
// resources, without any resource initialisation of its own, and each one
// draws as a real picture at twice its size.
#include "Pictures.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QSvgRenderer>
#include <QTest>

using namespace lexaroo;

class PicturesTest : public QObject {
    Q_OBJECT
private slots:
    void everyPictureIsAResource_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::newRow("menu") << "menu" << QSize(180, 200); // the menu's 2700 x 3000 twips
        QTest::newRow("help") << "help" << QSize(64, 64);
        QTest::newRow("exit") << "exit" << QSize(64, 64);
        QTest::newRow("icon") << "lexaroo" << QSize(128, 128);
    }

    void everyPictureIsAResource()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QString path = PicturePath(name);
        QCOMPARE(path, QStringLiteral(":/pictures/%1.svg").arg(name));
        QVERIFY2(QFile(path).exists(), qPrintable(path));

        QSvgRenderer renderer(path);
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.defaultSize(), size);

        QImage image(size * 2, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();

        // Drawn, not blank: most of the area is covered and it has colours.
        int covered = 0;
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                if (qAlpha(p) > 0)
                    ++covered;
                colours.insert(p);
            }
        }
        QVERIFY(covered > image.width() * image.height() / 3);
        QVERIFY(colours.size() > 4);
    }
};

QTEST_MAIN(PicturesTest)
#include "PicturesTest.moc"
