// The built-in list chooser: options bound at once to the settings, OK,
// Cancel and the window's close command.
#include "FakePlatform.h"
#include "UiKit.h"
#include "optBuilt.h"

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace lexaroo;
using lexaroo::fakes::FakePlatform;

class BuiltInChooserTest : public QObject {
    Q_OBJECT

    FakePlatform fake;
    Platform platform = fake.Get();
    GameState state;

    void Settings(int builtInCase, int grade, int list)
    {
        state.BuiltInCase = static_cast<std::int16_t>(builtInCase);
        state.BuiltInGrade = static_cast<std::int16_t>(grade);
        state.BuiltInList = static_cast<std::int16_t>(list);
    }

private slots:
    void init()
    {
        state = GameState{};
        state.BuiltInCancelled = 7; // neither answer yet
        fake.log.Clear();
    }

    void opensOnTheCurrentSettings()
    {
        Settings(2, 0, 10);
        optBuilt chooser(state, platform);
        chooser.show();
        QCOMPARE(chooser.windowTitle(), QStringLiteral("Built-In List Options"));
        QCOMPARE(chooser.size(), QSize(Twips(4935), Twips(3825)));
        QVERIFY(chooser.optUC(2)->isChecked());
        QVERIFY(chooser.optGrade(0)->isChecked());
        QVERIFY(chooser.optList(10)->isChecked());
        QCOMPARE(chooser.optGrade(0)->text(), QStringLiteral("Kindergarten"));
        QCOMPARE(chooser.optGrade(6)->text(), QStringLiteral("Grade 6"));
        QCOMPARE(chooser.optList(10)->text(), QStringLiteral("List 10"));
        QCOMPARE(chooser.optUC(1)->text(), QStringLiteral("Lower"));
        QCOMPARE(chooser.findChild<QGroupBox*>("Frame3")->title(), QStringLiteral("Case?"));
        QCOMPARE(chooser.findChild<QGroupBox*>("Frame2")->title(), QStringLiteral("Grade Level"));
        QCOMPARE(chooser.findChild<QGroupBox*>("Frame1")->title(), QStringLiteral("Which List?"));
        QCOMPARE(chooser.cmdOK()->geometry(), QRect(Twips(1320), Twips(3240), Twips(972), Twips(492)));
        QCOMPARE(chooser.cmdCancel()->text(), QStringLiteral("&Cancel"));
        // Opening changes no setting.
        QCOMPARE(state.BuiltInCase, 2);
        QCOMPARE(state.BuiltInGrade, 0);
        QCOMPARE(state.BuiltInList, 10);

        QApplication::setActiveWindow(&chooser);
        QVERIFY(QTest::qWaitForWindowActive(&chooser));
        QTest::keyClick(&chooser, Qt::Key_F1);
        QVERIFY(fake.log.Contains("help topic 3"));
    }

    void cancelKeepsTheClickedOptions()
    {
        Settings(1, 4, 1);
        optBuilt chooser(state, platform);
        chooser.show();
        QTest::mouseClick(chooser.optGrade(6), Qt::LeftButton);
        QCOMPARE(state.BuiltInGrade, 6); // at once, before any button
        QTest::mouseClick(chooser.optList(7), Qt::LeftButton);
        QTest::mouseClick(chooser.optUC(2), Qt::LeftButton);
        QTest::mouseClick(chooser.cmdCancel(), Qt::LeftButton);
        QCOMPARE(state.BuiltInCancelled, 1);
        QVERIFY(!chooser.isVisible());
        QCOMPARE(state.BuiltInGrade, 6);
        QCOMPARE(state.BuiltInList, 7);
        QCOMPARE(state.BuiltInCase, 2);

        // The next time it opens on them.
        optBuilt again(state, platform);
        QVERIFY(again.optGrade(6)->isChecked());
        QVERIFY(again.optList(7)->isChecked());
        QVERIFY(again.optUC(2)->isChecked());
    }

    void okAndTheCloseCommandBothMeanOk_data()
    {
        QTest::addColumn<bool>("byClose");
        QTest::newRow("OK button") << false;
        QTest::newRow("close command") << true;
    }

    void okAndTheCloseCommandBothMeanOk()
    {
        QFETCH(bool, byClose);
        Settings(1, 4, 1);
        state.BuiltInCancelled = 1;
        optBuilt chooser(state, platform);
        chooser.show();
        QTest::mouseClick(chooser.optList(3), Qt::LeftButton);
        if (byClose)
            chooser.close();
        else
            QTest::mouseClick(chooser.cmdOK(), Qt::LeftButton);
        QCOMPARE(state.BuiltInCancelled, 0);
        QCOMPARE(state.BuiltInList, 3);
        QVERIFY(!chooser.isVisible());
    }

    void chooseBuiltInListIsModalAndReturnsTheAnswer()
    {
        Settings(1, 4, 1);
        QTimer::singleShot(0, this, [] {
            auto* chooser = qobject_cast<optBuilt*>(QApplication::activeModalWidget());
            QVERIFY(chooser);
            QTest::mouseClick(chooser->optGrade(0), Qt::LeftButton);
            QTest::keyClick(chooser, Qt::Key_Escape); // Escape cancels
        });
        ChooseBuiltInList(state, platform);
        QCOMPARE(state.BuiltInCancelled, 1);
        QCOMPARE(state.BuiltInGrade, 0);
    }
};

QTEST_MAIN(BuiltInChooserTest)
#include "BuiltInChooserTest.moc"
