#include "PercentBar.h"
#include "TableEntry.h"
#include "TestFiles.h"
#include "UiKit.h"
#include "WindowDriver.h"
#include "WordList.h"
#include "frmBee.h"
#include "frmResults.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

using namespace lexaroo;
using namespace lexaroo::fakes;
using namespace lexaroo::uitest;

namespace {

// Passes every sound on to the fake and lets a test look at the window at
// the moment a sound starts (the fake plays instantly).
class WatchedSound : public SoundDevice {
public:
    explicit WatchedSound(FakeSound& inner) : inner_(inner) {}
    void Play(const QByteArray& image, bool wait) override
    {
        if (onPlay)
            onPlay();
        inner_.Play(image, wait);
    }
    void Stop() override { inner_.Stop(); }
    void PlayFile(const QString& path) override { inner_.PlayFile(path); }
    std::function<void()> onPlay;

private:
    FakeSound& inner_;
};

struct ResultsSeen {
    bool shown = false;
    QString caption;
    QString sentence;
};

} // namespace

class BeeTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<WatchedSound> sound;
    std::unique_ptr<Platform> platform;
    std::unique_ptr<WindowDriver> drive;
    GameState state;
    QPointer<frmBee> bee;

    QString Folder() const { return QDir::toNativeSeparators(dir->path()) + QDir::separator(); }

    // A list in play order (the shuffle is scripted to keep it), each word
    // recorded unless named in `unrecorded`.
    void SetList(const QStringList& words, const QStringList& unrecorded = {})
    {
        state.WordCount = static_cast<std::int16_t>(words.size());
        for (int i = 0; i < words.size(); ++i) {
            state.Words[i + 1] = words[i];
            if (!unrecorded.contains(words[i]))
                QVERIFY(WriteFile(Folder() + PronunciationFileName(words[i]),
                                  MakeTaggedSound(words[i] + QStringLiteral(".wav"))));
        }
        state.ListCase = ComputeListCase(state);
        std::deque<double> keep(std::max<qsizetype>(0, words.size() - 1), 0.999);
        fake->random.Script(keep);
    }

    frmBee* Make()
    {
        bee = new frmBee(state, *platform, TableInfo(2));
        drive->Attach(bee);
        return bee;
    }

    void Open()
    {
        Make()->show();
        QCoreApplication::processEvents(); // the first word comes after the window is shown
        fake->log.Clear();
    }

    QStringList Events() { return drive->Events(); }
    template <class T> T* Control(const QString& name) { return &drive->Find<T>(name); }
    QLabel* Tile(int i) { return Control<QLabel>(ArrayName(QStringLiteral("lblLetter"), i)); }
    QString Word() { return drive->Text(QStringLiteral("lblWord")); }
    QPushButton* SayButton() { return Control<QPushButton>(QStringLiteral("cmdFlash")); }
    QPushButton* NextButton() { return Control<QPushButton>(QStringLiteral("cmdOK")); }
    int ScoreBar() { return Control<PercentBar>(QStringLiteral("pnlScore"))->value(); }

    void Say() { drive->Click(*SayButton()); }
    void Click(QPushButton* b) { drive->Click(*b); }
    void ClickTile(int i) { drive->Click(*Tile(i)); }
    void Type(const QString& text) { drive->Type(text); }

    // Runs an action that should end on the results screen; reads the
    // screen and presses its OK.
    ResultsSeen EndsOnResults(const std::function<void()>& action)
    {
        ResultsSeen seen;
        seen.shown = drive->ExpectModal<frmResults>(action, [&](frmResults& r) {
            seen.caption = r.windowTitle();
            seen.sentence = r.findChild<QLabel*>(QStringLiteral("Label1"))->text();
            QTest::mouseClick(r.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        });
        return seen;
    }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        fake = std::make_unique<FakePlatform>();
        sound = std::make_unique<WatchedSound>(fake->sound);
        platform = std::make_unique<Platform>(Platform{fake->clock, fake->random, *sound,
                                                       fake->recorder, fake->printer,
                                                       fake->dialogs, fake->help, fake->keyboard});
        drive = std::make_unique<WindowDriver>(*fake);
        state = GameState{};
        state.AppFolder = Folder();
        state.ListFolder = Folder();
        state.ListName = QStringLiteral("G2LIST3");
        state.BeeShowWord = 0;
        for (const char* effect : {"xding.wav", "xuhoh.wav", "xtada.wav"})
            QVERIFY(WriteFile(Folder() + effect, MakeTaggedSound(effect)));
    }

    void cleanup()
    {
        delete bee;
        drive.reset();
        platform.reset();
        sound.reset();
        fake.reset();
        dir.reset();
    }

    void opensReadyForTheFirstWord()
    {
        SetList({"cat", "dog", "fish"});
        state.WordStatus[1] = -1; // left over from an earlier game
        state.ScorePoints = 25;
        Make();
        QVERIFY(fake->log.Contains("randomize"));
        bee->show();
        QCoreApplication::processEvents();

        QCOMPARE(bee->windowTitle(), QStringLiteral("Spelling Bee, List Name: G2LIST3"));
        QCOMPARE(bee->size(), QSize(Twips(7740), Twips(6315)));
        QCOMPARE(Control<QLabel>("lblTitle")->text(), QStringLiteral("Spelling Bee"));
        QCOMPARE(Control<QLabel>("lblLeft")->text(), QStringLiteral("2"));
        QCOMPARE(state.WordsTried, 1);
        QCOMPARE(state.ScorePoints, 0);
        QCOMPARE(state.WordStatus[1], 0);
        QCOMPARE(ScoreBar(), 0);
        QVERIFY(Word().isEmpty());
        QVERIFY(!NextButton()->isVisible());
        QVERIFY(SayButton()->isEnabled());
        QCOMPARE(bee->focusWidget(), SayButton());
        QVERIFY(Control<QRadioButton>("optShow(0)")->isChecked());
        QCOMPARE(Control<QGroupBox>("fraShow")->title(), QStringLiteral("Show Word?"));
        QCOMPARE(Control<QRadioButton>("optShow(1)")->text(), QStringLiteral("Yes"));
        // The tiles: two rows of fourteen.
        QCOMPARE(Tile(0)->text(), QStringLiteral("a"));
        QCOMPARE(Tile(25)->text(), QStringLiteral("z"));
        QCOMPARE(Tile(26)->text(), QStringLiteral("'"));
        QCOMPARE(Tile(27)->text(), QStringLiteral("-"));
        QCOMPARE(Tile(13)->geometry(), QRect(Twips(600 + 480 * 13), Twips(3120), Twips(375), Twips(420)));
        QCOMPARE(Tile(14)->pos(), QPoint(Twips(600), Twips(3600)));
        QCOMPARE(Control<QLabel>("lblWord")->geometry(),
                 QRect(Twips(960), Twips(1560), Twips(3735), Twips(495)));
        QCOMPARE(Control<PercentBar>("pnlScore")->size(), QSize(Twips(2415), Twips(495)));
        QStringList marks;
        for (int i : {3, 2, 4})
            marks << Control<QLabel>(ArrayName("Label1", i))->text();
        QCOMPARE(marks, (QStringList{"0", "50", "100"}));
    }

    void capitalAndMixedListsKeepCapitalTiles()
    {
        for (const QString& word : {QStringLiteral("CAT"), QStringLiteral("Cat")}) {
            SetList({word});
            Open();
            QCOMPARE(Tile(0)->text(), QStringLiteral("A"));
            QCOMPARE(Tile(25)->text(), QStringLiteral("Z"));
            delete bee;
        }
    }

    void lettersBeforeSayWordAreIgnoredAndLeaveNoTrace()
    {
        // A mixed-case list, where a typed key must match the case: if the
        // early "a" were remembered, the tile click below would be judged
        // as that key and fail against the capital.
        SetList({"Ab", "cd"});
        Open();
        Type("a");
        ClickTile(1);
        QCOMPARE(Events(), QStringList{});
        QVERIFY(Word().isEmpty());

        Say();
        QCOMPARE(Events(), QStringList{"sound Ab.wav wait"});
        ClickTile(0);
        QCOMPARE(Events(), QStringList{"sound xding.wav nowait"});
        QCOMPARE(Word(), QStringLiteral("A"));
    }

    void rightLettersAreShownWithADingAndTheWordEndsWithATada()
    {
        SetList({"cat", "dog"});
        Open();
        Say();
        QCOMPARE(Events(), QStringList{"sound cat.wav wait"});
        QVERIFY(Word().isEmpty()); // Show Word is off
        QCOMPARE(state.WordStatus[1], 1);

        Type("c");
        QCOMPARE(Word(), QStringLiteral("c"));
        QCOMPARE(Events(), QStringList{"sound xding.wav nowait"});
        ClickTile(0); // "a"
        QCOMPARE(Word(), QStringLiteral("ca"));
        Type("T"); // either case in a lower-case list
        QCOMPARE(Word(), QStringLiteral("cat"));
        QCOMPARE(Events(), (QStringList{"sound xding.wav nowait", "sound xding.wav nowait",
                                        "sound xtada.wav wait"}));

        QCOMPARE(state.ScorePoints, 10);
        QCOMPARE(ScoreBar(), 100);
        QCOMPARE(state.WordStatus[1], 1);
        QCOMPARE(state.WordsMissed, 0);
        QVERIFY(NextButton()->isVisible());
        QCOMPARE(bee->focusWidget(), NextButton());
        QVERIFY(!SayButton()->isEnabled());
        Type("x"); // the word is over
        QCOMPARE(Events(), QStringList{});

        Click(NextButton());
        QVERIFY(!NextButton()->isVisible());
        QVERIFY(Word().isEmpty());
        QCOMPARE(Control<QLabel>("lblLeft")->text(), QStringLiteral("0"));
        QCOMPARE(state.WordsTried, 2);
        QVERIFY(SayButton()->isEnabled());
    }

    void aWrongLetterCostsATryAndWaitsOnTheSameLetter()
    {
        SetList({"cat"});
        Open();
        Say();
        Events();
        Type("cx");
        QCOMPARE(Events(), (QStringList{"sound xding.wav nowait", "sound xuhoh.wav wait"}));
        QCOMPARE(Word(), QStringLiteral("c"));
        Type("at");
        QCOMPARE(Word(), QStringLiteral("cat"));
        QCOMPARE(state.ScorePoints, 7);
        QCOMPARE(ScoreBar(), 70);
    }

    void threeWrongLettersMissTheWord()
    {
        SetList({"ox", "cat"});
        Open();
        Say();
        Events();
        Type("o");
        ClickTile(25); // "z"
        Type("q'");
        QCOMPARE(Events(), (QStringList{"sound xding.wav nowait", "sound xuhoh.wav wait",
                                        "sound xuhoh.wav wait", "sound xuhoh.wav wait"}));
        QCOMPARE(state.WordsMissed, 1);
        QCOMPARE(state.WordStatus[1], -1);
        QCOMPARE(Word(), QStringLiteral("ox"));
        QCOMPARE(state.ScorePoints, 0);
        QCOMPARE(ScoreBar(), 0);
        QVERIFY(NextButton()->isVisible());
        QVERIFY(!SayButton()->isEnabled());
        Type("x");
        QCOMPARE(Events(), QStringList{});
        QCOMPARE(Word(), QStringLiteral("ox"));
    }

    void aWordNoKeyCanSpellIsMissedAfterThreeTries()
    {
        SetList({"a.m."});
        Open();
        Say();
        Events();
        Type("a.");
        // The full stop is no letter entry at all: it beeps and costs nothing.
        QCOMPARE(Events(), (QStringList{"sound xding.wav nowait", "beep"}));
        ClickTile(26);
        ClickTile(27);
        ClickTile(12);
        QCOMPARE(state.WordsMissed, 1);
        QCOMPARE(Word(), QStringLiteral("a.m."));
    }

    void sayWordFourTimesOnlyThreeCount()
    {
        SetList({"cat"});
        state.BeeShowWord = 1;
        Open();
        QStringList shownWhilePlaying;
        sound->onPlay = [&] { shownWhilePlaying << Word(); };
        Say();
        Say();
        Say();
        QCOMPARE(Events(), (QStringList{"sound cat.wav wait", "sound cat.wav wait",
                                        "sound cat.wav wait"}));
        QCOMPARE(shownWhilePlaying, (QStringList{"cat", "cat", "cat"}));
        QVERIFY(Word().isEmpty());
        Say(); // the fourth: no sound, no display
        QCOMPARE(Events(), QStringList{});
        QCOMPARE(shownWhilePlaying.size(), 3);
        QVERIFY(Word().isEmpty());
        Type("cat");
        QCOMPARE(state.ScorePoints, 3); // 3 1/3
    }

    void sayWordMidWordStartsTheWordAgain()
    {
        SetList({"cat"});
        Open();
        Say();
        Type("ca");
        QCOMPARE(Word(), QStringLiteral("ca"));
        Events();
        Say();
        QCOMPARE(Events(), QStringList{"sound cat.wav wait"});
        QVERIFY(Word().isEmpty());
        Type("c");
        QCOMPARE(Word(), QStringLiteral("c"));
        QCOMPARE(Events(), QStringList{"sound xding.wav nowait"});
        Type("at");
        QCOMPARE(state.ScorePoints, 7); // one try poorer
    }

    void mixedCaseListWantsTheCaseOfTypedKeysButNotOfTiles()
    {
        SetList({"Ab"});
        QCOMPARE(state.ListCase, 3);
        Open();
        Say();
        Events();
        Type("a");
        QCOMPARE(Events(), QStringList{"sound xuhoh.wav wait"});
        QVERIFY(Word().isEmpty());
        ClickTile(0);
        QCOMPARE(Word(), QStringLiteral("A"));
        Type("B");
        QCOMPARE(Events(), (QStringList{"sound xding.wav nowait", "sound xuhoh.wav wait"}));
        Type("b");
        QCOMPARE(Word(), QStringLiteral("Ab"));
        QCOMPARE(state.ScorePoints, 3); // two wrong keys
    }

    void aWordWithoutARecordingIsShownForHalfASecond_data()
    {
        QTest::addColumn<int>("showWord");
        QTest::newRow("Show Word: No") << 0;
        QTest::newRow("Show Word: Yes") << 1;
    }
    void aWordWithoutARecordingIsShownForHalfASecond()
    {
        QFETCH(int, showWord);
        SetList({"cat"}, {"cat"});
        state.BeeShowWord = static_cast<std::int16_t>(showWord);
        Open();
        QString shownDuringPause;
        QTimer::singleShot(0, [&] { shownDuringPause = Word(); }); // fires inside the pause
        Say();
        QCOMPARE(Events(), QStringList{"pause 0.5"});
        QCOMPARE(shownDuringPause, QStringLiteral("cat"));
        QVERIFY(Word().isEmpty());
        Type("cat");
        QCOMPARE(state.ScorePoints, 10);
    }

    void showWordOptionTakesEffectAtTheNextSayWord()
    {
        SetList({"cat"});
        Open();
        QStringList shownWhilePlaying;
        sound->onPlay = [&] { shownWhilePlaying << Word(); };
        Say();
        drive->Click(*Control<QRadioButton>("optShow(1)"));
        QCOMPARE(state.BeeShowWord, 1);
        Say();
        drive->Click(*Control<QRadioButton>("optShow(0)"));
        QCOMPARE(state.BeeShowWord, 0);
        QCOMPARE(shownWhilePlaying, (QStringList{"", "cat"}));
    }

    void twoWordsWithOneTryEachScoreSevenThenFourteen()
    {
        SetList({"cat", "dog"});
        Open();
        Say();
        Type("xcat");
        QCOMPARE(state.ScorePoints, 7);
        QCOMPARE(ScoreBar(), 70);
        Click(NextButton());
        Say();
        Type("dxog");
        QCOMPARE(state.ScorePoints, 14);
        QCOMPARE(ScoreBar(), 70);
        QCOMPARE(state.WordsTried, 2);
        QCOMPARE(state.WordStatus[1], 1);
        QCOMPARE(state.WordStatus[2], 1);
    }

    void stopBeforeTheFirstSayWordCountsNoWord()
    {
        SetList({"cat", "dog"});
        Open();
        QSignalSpy ended(bee.data(), &ActivityWindow::ended);
        const ResultsSeen seen =
            EndsOnResults([&] { Click(Control<QPushButton>("cmdStop")); });
        QVERIFY(seen.shown);
        QCOMPARE(seen.caption, QStringLiteral("Spelling Bee Results, Word List: G2LIST3"));
        QCOMPARE(seen.sentence,
                 QStringLiteral("You tried to spell 0 words from a list of 2 words - Final score 0%"));
        QCOMPARE(state.WordsTried, 0);
        QCOMPARE(ended.count(), 1);
        QVERIFY(bee.isNull());
    }

    void stopMidWordCountsTheWordWithoutPoints()
    {
        SetList({"cat", "dog"});
        Open();
        Say();
        Type("ca");
        const ResultsSeen seen =
            EndsOnResults([&] { Click(Control<QPushButton>("cmdStop")); });
        QVERIFY(seen.shown);
        QCOMPARE(state.WordsTried, 1);
        QCOMPARE(state.WordStatus[1], 1);
        QCOMPARE(state.WordStatus[2], 0);
        QCOMPARE(state.ScorePoints, 0);
        QCOMPARE(seen.sentence,
                 QStringLiteral("You tried to spell 1 word from a list of 2 words - Final score 0%"));
    }

    void aOneWordListEndsOnResultsAfterNextWord()
    {
        SetList({"cat"});
        state.ListName = QStringLiteral("NONE");
        Open();
        Say();
        Type("cat");
        QSignalSpy ended(bee.data(), &ActivityWindow::ended);
        const ResultsSeen seen = EndsOnResults([&] { Click(NextButton()); });
        QVERIFY(seen.shown);
        QCOMPARE(seen.caption, QStringLiteral("Spelling Bee Results, Word List: NONE"));
        QCOMPARE(seen.sentence,
                 QStringLiteral("You tried to spell 1 word from a list of 1 words - Final score 100%"));
        QCOMPARE(state.WordsTried, 1);
        QCOMPARE(ended.count(), 1);
        QVERIFY(bee.isNull());
    }

    void otherKeysBeepAndNeverReachTheControls()
    {
        SetList({"cat"});
        Open();
        // Space would press Say Word, which has the focus.
        Type(" 1.");
        QCOMPARE(Events(), (QStringList{"beep", "beep", "beep"}));
        QVERIFY(Word().isEmpty());
        QCOMPARE(state.WordStatus[1], 0);
    }

    void enterOnNextWordMovesOn()
    {
        SetList({"cat", "dog"});
        Open();
        Say();
        Type("cat");
        QCOMPARE(bee->focusWidget(), NextButton());
        drive->Key(Qt::Key_Return);
        QCOMPARE(state.WordsTried, 2);
        QVERIFY(!NextButton()->isVisible());
        QVERIFY(!fake->log.Contains("beep"));
        // On Say Word, Enter beeps and says nothing.
        Events();
        drive->Key(Qt::Key_Return);
        QCOMPARE(Events(), QStringList{"beep"});
    }

    void helpOpensTopicTwo()
    {
        SetList({"cat"});
        Open();
        Click(Control<QPushButton>("cmdHelp"));
        QCOMPARE(Events(), QStringList{"help topic 2"});
    }
};

QTEST_MAIN(BeeTest)
#include "BeeTest.moc"
