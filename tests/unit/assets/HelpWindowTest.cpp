// The real help window on the program folder's help file: the contents page
// it shows has a working link to every topic, and each leads back.
#include "HelpFile.h"
#include "HelpWindow.h"
#include "TestFiles.h"

#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>

using namespace lexaroo;

namespace {

// The links of the page the window shows, as the reader sees them.
QSet<QString> ShownLinks(QTextBrowser* browser)
{
    QSet<QString> links;
    const QTextDocument* doc = browser->document();
    for (QTextBlock block = doc->begin(); block != doc->end(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isAnchor())
                links.insert(format.anchorHref());
        }
    }
    return links;
}

} // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT
private slots:
    void contentsLinksOpenEveryTopic()
    {
        const QString path = fakes::ProgramFolder() + "lexaroo.hlp";
        const auto help = ReadHelpFile(path);
        QVERIFY2(help.error.isEmpty(), qPrintable(help.error));

        HelpWindow window(path);
        window.ShowContents();
        auto* browser = window.findChild<QTextBrowser*>(QStringLiteral("helpText"));
        QVERIFY(browser);
        QCOMPARE(window.CurrentTopic(), 0);
        const QSet<QString> contentsLinks = ShownLinks(browser);

        for (int topic : {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12}) {
            const QString link = QStringLiteral("topic:%1").arg(topic);
            QVERIFY2(contentsLinks.contains(link), qPrintable(link));
            emit browser->anchorClicked(QUrl(link));
            QCOMPARE(window.CurrentTopic(), topic);
            QVERIFY(window.windowTitle().endsWith(help.topics[topic].title));
            QVERIFY(!browser->toPlainText().contains(QLatin1String("There is no help")));
            QVERIFY(browser->toPlainText().size() > 300);

            QVERIFY(ShownLinks(browser).contains(QStringLiteral("topic:0")));
            emit browser->anchorClicked(QUrl(QStringLiteral("topic:0")));
            QCOMPARE(window.CurrentTopic(), 0);
        }
    }
};

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
