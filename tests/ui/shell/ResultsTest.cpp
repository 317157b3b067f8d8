#include "Results.h"
#include "UiKit.h"
#include "frmResults.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace lexaroo;

namespace {
GameState Played(int count, std::initializer_list<int> statuses, int points)
{
    GameState s;
    s.WordCount = static_cast<std::int16_t>(count);
    s.ListName = QStringLiteral("NONE");
    int i = 1;
    for (int st : statuses) {
        s.WordStatus[i] = static_cast<std::int16_t>(st);
        if (st != 0)
            ++s.WordsTried;
        if (st == -1)
            ++s.WordsMissed;
        ++i;
    }
    for (int k = 1; k <= count; ++k)
        s.Words[k] = QStringLiteral("word%1").arg(k);
    s.ScorePoints = static_cast<std::int16_t>(points);
    return s;
}

QStringList Texts(const QVector<QLabel*>& cells)
{
    QStringList out;
    for (auto* c : cells)
        out << c->text();
    return out;
}
} // namespace

class ResultsTest : public QObject {
    Q_OBJECT
private slots:
    void stoppedBeforeTheFirstWord()
    {
        const GameState s = Played(20, {}, 0);
        frmResults r(s, "x");
        QCOMPARE(r.Label1()->text(),
                 QStringLiteral("You tried to spell 0 words from a list of 20 words - Final score 0%"));
        QCOMPARE(Texts(r.lblRight()), QStringList{"** NONE **"});
        QCOMPARE(Texts(r.lblWrong()), QStringList{"** NONE **"});
        QCOMPARE(r.size(), QSize(Twips(9375), Twips(4065)));
    }

    void oneWordRight()
    {
        const GameState s = Played(1, {1}, 10);
        frmResults r(s, "x");
        QCOMPARE(r.Label1()->text(),
                 QStringLiteral("You tried to spell 1 word from a list of 1 words - Final score 100%"));
        QCOMPARE(Texts(r.lblRight()), QStringList{"word1"});
    }

    void fiveRightGrowOneRowInListOrder()
    {
        // Played out of order; shown in list order, missed ones in the second box.
        const GameState s = Played(7, {1, -1, 1, 1, 0, 1, 1}, 45);
        frmResults r(s, "x");
        QCOMPARE(Texts(r.lblRight()), (QStringList{"word1", "word3", "word4", "word6", "word7"}));
        QCOMPARE(Texts(r.lblWrong()), QStringList{"word2"});
        QCOMPARE(r.lblRight()[4]->pos(), QPoint(Twips(360), Twips(1320 + 255)));
        QCOMPARE(r.height(), Twips(4065 + 255));
        QCOMPARE(r.lblWrong()[0]->pos(), QPoint(Twips(360), Twips(2760 + 255)));
        QCOMPARE(r.cmdOK()->y(), Twips(3480 + 255));
        QVERIFY(r.lblRight()[4]->isVisibleTo(&r));
    }

    void thirtyMissed()
    {
        GameState s = Played(30, {}, 0);
        for (int i = 1; i <= 30; ++i)
            s.WordStatus[i] = -1;
        s.WordsTried = s.WordsMissed = 30;
        frmResults r(s, "x");
        QCOMPARE(Texts(r.lblRight()), QStringList{"** NONE **"});
        QCOMPARE(r.lblWrong().size(), 30);
        QCOMPARE(r.lblWrong()[29]->text(), QStringLiteral("word30"));
        QCOMPARE(r.height(), Twips(4065 + 7 * 255));
        QCOMPARE(r.findChild<QWidget*>("Shape2")->height(), Twips(735 + 7 * 255));
    }

    void showResultsIsModalWithTheGamesCaption()
    {
        GameState s = Played(2, {1, 1}, 20);
        QString caption;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            auto* w = qobject_cast<frmResults*>(QApplication::activeModalWidget());
            QVERIFY(w);
            caption = w->windowTitle();
            modal = w->isModal();
            QTest::mouseClick(w->cmdOK(), Qt::LeftButton);
        });
        ShowResults(s, QStringLiteral("Magic Hat"));
        QCOMPARE(caption, QStringLiteral("Magic Hat Results, Word List: NONE"));
        QVERIFY(modal);
    }
};

QTEST_MAIN(ResultsTest)
#include "ResultsTest.moc"
