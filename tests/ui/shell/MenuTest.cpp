#include "FakePlatform.h"
#include "UiKit.h"
#include "frmMenu.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace lexaroo;
using lexaroo::fakes::FakePlatform;

namespace {
// A stand-in activity window that records which entry opened it.
class StubActivity : public ActivityWindow {
public:
    StubActivity(GameState& s, Platform& p, const ActivityInfo& info) : ActivityWindow(s, p, info) {}
};
} // namespace

class MenuTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    FakePlatform fake;
    Platform platform = fake.Get();
    GameState state;
    QList<int> opened;

    QVector<ActivityEntry> Table()
    {
        QVector<ActivityEntry> t;
        for (int i = 0; i <= 10; ++i) {
            ActivityEntry e{i, {QStringLiteral("Activity %1").arg(i), i + 1}, nullptr};
            if (i != 9) // Cross Words stays unavailable here
                e.open = [this, i](GameState& s, Platform& p, const ActivityInfo& info) {
                    opened << i;
                    return new StubActivity(s, p, info);
                };
            t << e;
        }
        t[1].info.title = QStringLiteral("List Editor");
        return t;
    }

    QString SettingsPath() const { return QDir(dir.path()).filePath("lexaroo5.ini"); }

private slots:
    void init()
    {
        state = GameState{};
        state.AppFolder = QDir::toNativeSeparators(dir.path()) + QDir::separator();
        QFile::remove(SettingsPath());
        opened.clear();
        fake.log.Clear();
    }

    void layoutAndFirstCaption()
    {
        frmMenu menu(state, platform, Table());
        menu.show();
        QCOMPARE(menu.windowTitle(), QStringLiteral("Lexaroo, Version 5.0 - List Name: NONE"));
        QCOMPARE(menu.size(), QSize(512, 297));
        QCOMPARE(menu.cmdChoice(1)->geometry(), QRect(Twips(4080), Twips(120), Twips(2295), Twips(615)));
        QCOMPARE(menu.cmdChoice(9)->geometry().topLeft(), QPoint(Twips(5280), Twips(3720)));
        QCOMPARE(menu.cmdChoice(2)->text(), QStringLiteral("Activity 2"));
        QCOMPARE(menu.cmdChoice(2)->font().family(), QStringLiteral("Comic Sans MS"));
        QVERIFY(menu.findChild<QPushButton*>("cmdChoice(10)"));
        // A missing settings file gives the defaults.
        QCOMPARE(state.BuiltInGrade, 4);
        QCOMPARE(state.GameSpeed, 2);
        QCOMPARE(QDir::currentPath(), QDir(dir.path()).absolutePath());
    }

    void emptyListSendsEveryActivityToTheEditor()
    {
        frmMenu menu(state, platform, Table());
        menu.show();
        QTest::mouseClick(menu.cmdChoice(2), Qt::LeftButton);
        QCOMPARE(fake.log.Matching("msgbox"), QStringList{"msgbox \"No Word List\" info ok -> ok"});
        QCOMPARE(fake.dialogs.texts.last(),
                 QStringLiteral("No word list has been entered or loaded.\nProgram will go to the List Editor."));
        QCOMPARE(opened, QList<int>{1});
        QVERIFY(!menu.isVisible());
        QVERIFY(menu.CurrentActivity());

        // The activity ends: the menu comes back with the list's name.
        state.ListName = QStringLiteral("ANIMALS");
        menu.CurrentActivity()->close();
        QVERIFY(menu.isVisible());
        QCOMPARE(menu.windowTitle(), QStringLiteral("Lexaroo, Version 5.0 - List Name: ANIMALS"));
    }

    void listEditorWithEmptyListOpensWithoutAMessage()
    {
        frmMenu menu(state, platform, Table());
        menu.show();
        QTest::mouseClick(menu.cmdChoice(1), Qt::LeftButton);
        QVERIFY(fake.log.Matching("msgbox").isEmpty());
        QCOMPARE(opened, QList<int>{1});
    }

    void activityWithAListOpensItsOwnWindowAndF1ShowsItsTopic()
    {
        state.WordCount = 1;
        state.Words[1] = "cat";
        frmMenu menu(state, platform, Table());
        menu.show();
        QTest::mouseClick(menu.cmdChoice(10), Qt::LeftButton);
        QCOMPARE(opened, QList<int>{10});
        ActivityWindow* w = menu.CurrentActivity();
        QVERIFY(w);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTest::keyClick(w, Qt::Key_F1);
        QVERIFY(fake.log.Contains("help topic 11"));
        w->close();
    }

    void unavailableActivitySaysSoAndStaysOnTheMenu()
    {
        state.WordCount = 1;
        state.Words[1] = "cat";
        frmMenu menu(state, platform, Table());
        menu.show();
        QTest::mouseClick(menu.cmdChoice(9), Qt::LeftButton);
        QCOMPARE(fake.log.Matching("msgbox"), QStringList{"msgbox \"Activity 9\" info ok -> ok"});
        QVERIFY(menu.isVisible());
        QVERIFY(opened.isEmpty());
    }

    void helpAndF1OpenTheContents()
    {
        frmMenu menu(state, platform, Table());
        menu.show();
        QTest::mouseClick(menu.cmdHelp(), Qt::LeftButton);
        menu.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&menu));
        QTest::keyClick(&menu, Qt::Key_F1);
        QCOMPARE(fake.log.Events(), (QStringList{"help contents", "help contents"}));
    }

    void exitWithUnsavedListAsks_data()
    {
        QTest::addColumn<int>("wordCount");
        QTest::addColumn<int>("saved");
        QTest::addColumn<bool>("asks");
        QTest::newRow("typed, never saved") << 2 << 0 << true;
        QTest::newRow("opened and unchanged") << 2 << 1 << false;
        QTest::newRow("boxes edited and cleared") << 0 << 0 << false;
    }

    void exitWithUnsavedListAsks()
    {
        QFETCH(int, wordCount);
        QFETCH(int, saved);
        QFETCH(bool, asks);
        state.WordCount = static_cast<std::int16_t>(wordCount);
        state.ListSaved = static_cast<std::int16_t>(saved);
        frmMenu menu(state, platform, Table());
        menu.show();
        QSignalSpy ended(&menu, &frmMenu::programEnded);
        fake.dialogs.answers = {MsgAnswer::Yes};
        QTest::mouseClick(menu.cmdExit(), Qt::LeftButton);
        QCOMPARE(fake.log.Matching("msgbox \"Exit Lexaroo\" question yesno").size(), asks ? 1 : 0);
        QCOMPARE(ended.count(), 1);
        QVERIFY(QFile::exists(SettingsPath()));
    }

    void exitAnsweredNoKeepsRunning()
    {
        state.WordCount = 3;
        state.ListName = QStringLiteral("NONE");
        frmMenu menu(state, platform, Table());
        menu.show();
        QSignalSpy ended(&menu, &frmMenu::programEnded);
        fake.dialogs.answers = {MsgAnswer::No, MsgAnswer::No};
        QTest::mouseClick(menu.cmdExit(), Qt::LeftButton);
        QCOMPARE(fake.dialogs.texts.last(),
                 QStringLiteral("Current Word List: NONE\n\nThis list will be lost if it has not "
                                "been saved.\n\nDo you still want to exit?"));
        // Closing the window runs the same procedure.
        QVERIFY(!menu.close());
        QVERIFY(menu.isVisible());
        QCOMPARE(ended.count(), 0);
        QCOMPARE(fake.log.Matching("msgbox \"Exit Lexaroo\"").size(), 2);
        QVERIFY(!QFile::exists(SettingsPath()));
    }

    void closingTheWindowExitsAndWritesSettings()
    {
        frmMenu menu(state, platform, Table());
        state.BuiltInGrade = 2; // chosen during the run
        menu.show();
        QSignalSpy ended(&menu, &frmMenu::programEnded);
        QVERIFY(menu.close());
        QCOMPARE(ended.count(), 1);
        GameState reread;
        reread.AppFolder = state.AppFolder;
        frmMenu again(reread, platform, Table());
        QCOMPARE(reread.BuiltInGrade, 2);
    }
};

QTEST_MAIN(MenuTest)
#include "MenuTest.moc"
