// The word recorder: choosing a word, playing its recording, recording it
// (ended by Stop or by the five-second timer, then played back) and what a
// failure leaves behind.
#include "FakePlatform.h"
#include "TestFiles.h"
#include "UiKit.h"
#include "frmRec.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

using namespace lexaroo;
using lexaroo::fakes::FakePlatform;
using lexaroo::fakes::FakeRecorder;

namespace {

// The fake recorder, with a look at the window while a file plays.
class WatchedRecorder : public FakeRecorder {
public:
    using FakeRecorder::FakeRecorder;
    void PlayToEnd(const QString& path) override
    {
        FakeRecorder::PlayToEnd(path);
        if (whilePlaying)
            whilePlaying();
    }
    std::function<void()> whilePlaying;
};

QByteArray ReadAll(const QString& path) { return fakes::ReadFile(path); }

} // namespace

class RecorderTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    FakePlatform fake;
    WatchedRecorder recorder{fake.log};
    Platform platform{fake.clock,   fake.random,  fake.sound, recorder,
                      fake.printer, fake.dialogs, fake.help,  fake.keyboard};
    GameState state;

    QString AppFolder() const { return dir.path() + QStringLiteral("/app/"); }
    QString ListsFolder() const { return dir.path() + QStringLiteral("/lists/"); }

    void SetList(const QStringList& words)
    {
        for (auto& w : state.Words)
            w.clear();
        for (int i = 0; i < words.size(); ++i)
            state.Words[i + 1] = words[i];
        state.WordCount = static_cast<std::int16_t>(words.size());
    }

    bool Idle(const frmRec& rec)
    {
        return rec.cmdPlay()->isVisible() && rec.cmdRecord()->isVisible()
               && rec.lblRecord()->isVisible() && rec.lblPlay()->isVisible()
               && rec.lblPlay()->text() == QStringLiteral("Play") && !rec.cmdStop()->isVisible()
               && !rec.Recording() && fake.clock.ActiveTimers() == 0;
    }

private slots:
    void init()
    {
        QDir(AppFolder()).removeRecursively();
        QDir(ListsFolder()).removeRecursively();
        QDir().mkpath(AppFolder());
        QDir().mkpath(ListsFolder());
        QVERIFY(fakes::WriteFile(AppFolder() + "zzblank.wav", fakes::MakeToneWav(440, 0.1, 22050, 0)));
        state = GameState{};
        state.AppFolder = AppFolder();
        state.ListFolder = ListsFolder();
        SetList({"elephants", "cat", "elephant"});
        fake.log.Clear();
        fake.dialogs.texts.clear();
        recorder.failStart.clear();
        recorder.failSave.clear();
        recorder.whilePlaying = nullptr;
    }

    void opensOnTheFirstWord()
    {
        frmRec rec(state, platform);
        rec.show();
        QCOMPARE(rec.windowTitle(), QStringLiteral("Record Word List"));
        QCOMPARE(rec.size(), QSize(Twips(6720), Twips(3540)));
        QCOMPARE(rec.lstFiles()->count(), 3);
        QCOMPARE(rec.lstFiles()->item(2)->text(), QStringLiteral("elephant"));
        QCOMPARE(rec.lstFiles()->currentRow(), 0);
        QCOMPARE(rec.ActiveWordIndex(), 1);
        // Only the first 8 letters name the file.
        QCOMPARE(rec.ActiveWordFile(), QStringLiteral("elephant.wav"));
        QVERIFY(Idle(rec));
        QCOMPARE(rec.cmdStop()->geometry(), rec.cmdRecord()->geometry());
        QCOMPARE(rec.findChild<QLabel*>("Label1")->text(), QStringLiteral("Active Word:"));

        rec.lstFiles()->setCurrentRow(1);
        QCOMPARE(rec.ActiveWordIndex(), 2);
        QCOMPARE(rec.ActiveWordFile(), QStringLiteral("cat.wav"));
        rec.lstFiles()->setCurrentRow(2);
        QCOMPARE(rec.ActiveWordFile(), QStringLiteral("elephant.wav"));

        QTest::mouseClick(rec.cmdHelp(), Qt::LeftButton);
        QVERIFY(fake.log.Contains("help topic 1"));
        QTest::mouseClick(rec.cmdExit(), Qt::LeftButton);
        QVERIFY(!rec.isVisible());
    }

    void playShowsPlayingUntilTheFileHasPlayed()
    {
        frmRec rec(state, platform);
        rec.show();
        rec.lstFiles()->setCurrentRow(1);
        QString labelMeanwhile;
        bool buttonsHidden = false;
        recorder.whilePlaying = [&] {
            labelMeanwhile = rec.lblPlay()->text();
            buttonsHidden = !rec.cmdPlay()->isVisible() && !rec.cmdRecord()->isVisible()
                            && !rec.lblRecord()->isVisible();
        };
        QTest::mouseClick(rec.cmdPlay(), Qt::LeftButton);
        QCOMPARE(fake.log.Matching("record"), QStringList{"record play cat.wav"});
        QCOMPARE(labelMeanwhile, QStringLiteral("Playing..."));
        QVERIFY(buttonsHidden);
        QVERIFY(Idle(rec));

        // A double click chooses the word and plays it.
        fake.log.Clear();
        const QRect third = rec.lstFiles()->visualItemRect(rec.lstFiles()->item(2));
        QTest::mouseClick(rec.lstFiles()->viewport(), Qt::LeftButton, {}, third.center());
        QTest::mouseDClick(rec.lstFiles()->viewport(), Qt::LeftButton, {}, third.center());
        QCOMPARE(rec.ActiveWordIndex(), 3);
        QCOMPARE(fake.log.Matching("record play"), QStringList{"record play elephant.wav"});
    }

    void recordEndsAfterFiveSecondsAndPlaysBack()
    {
        QVERIFY(fakes::WriteFile(ListsFolder() + "cat.wav", "old recording"));
        frmRec rec(state, platform);
        rec.show();
        rec.lstFiles()->setCurrentRow(1);
        QTest::mouseClick(rec.cmdRecord(), Qt::LeftButton);

        // Recording: into a copy of the template beside the word's file,
        // with only Stop shown and the five-second timer running.
        QCOMPARE(fake.log.Matching("record"), QStringList{"record start cat.wav.rec"});
        QCOMPARE(ReadAll(ListsFolder() + "cat.wav.rec"), ReadAll(AppFolder() + "zzblank.wav"));
        QVERIFY(rec.Recording());
        QVERIFY(rec.cmdStop()->isVisible());
        QVERIFY(!rec.cmdRecord()->isVisible());
        QVERIFY(!rec.cmdPlay()->isVisible());
        QVERIFY(!rec.lblPlay()->isVisible());
        QCOMPARE(fake.clock.ActiveTimers(), 1);
        QCOMPARE(fake.log.Matching("timer"), QStringList{"timer start 5000"});
        fake.clock.Advance(4.9);
        QVERIFY(rec.Recording());
        QCOMPARE(ReadAll(ListsFolder() + "cat.wav"), QByteArray("old recording"));

        // Five seconds on, the timer ends it: saved, then played back.
        fake.clock.Advance(0.1);
        QCOMPARE(fake.log.Matching("record"),
                 (QStringList{"record start cat.wav.rec", "record stop", "record play cat.wav"}));
        QCOMPARE(ReadAll(ListsFolder() + "cat.wav"), recorder.recordedBytes);
        QVERIFY(!QFile::exists(ListsFolder() + "cat.wav.rec"));
        QVERIFY(Idle(rec));
        QVERIFY(fake.log.Matching("msgbox").isEmpty());
    }

    void stopEndsTheRecordingEarly()
    {
        frmRec rec(state, platform);
        rec.show();
        QTest::mouseClick(rec.cmdRecord(), Qt::LeftButton);
        QTest::mouseClick(rec.cmdStop(), Qt::LeftButton);
        QCOMPARE(fake.log.Matching("record"),
                 (QStringList{"record start elephant.wav.rec", "record stop", "record play elephant.wav"}));
        QCOMPARE(fake.clock.ActiveTimers(), 0);
        QVERIFY(Idle(rec));
        // "elephants" and "elephant" share the recording.
        QCOMPARE(ReadAll(ListsFolder() + "elephant.wav"), recorder.recordedBytes);
    }

    void aListNeverSavedRecordsIntoTheCurrentFolder()
    {
        state.ListFolder.clear();
        const QString before = QDir::currentPath();
        QDir::setCurrent(AppFolder());
        {
            frmRec rec(state, platform);
            rec.show();
            rec.lstFiles()->setCurrentRow(1);
            QTest::mouseClick(rec.cmdRecord(), Qt::LeftButton);
            QTest::mouseClick(rec.cmdStop(), Qt::LeftButton);
        }
        QDir::setCurrent(before);
        QCOMPARE(ReadAll(AppFolder() + "cat.wav"), recorder.recordedBytes);
    }

    void failuresAreReportedAndKeepTheOldRecording_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::newRow("folder cannot be written") << "folder";
        QTest::newRow("no input device") << "start";
        QTest::newRow("recording cannot be saved") << "save";
        QTest::newRow("template missing") << "template";
    }

    void failuresAreReportedAndKeepTheOldRecording()
    {
        QFETCH(QString, failure);
        QString folder = ListsFolder();
        if (failure == "folder") {
            // A "folder" that is a file cannot be written into, even by root.
            folder = dir.path() + "/notafolder/";
            QVERIFY(fakes::WriteFile(dir.path() + "/notafolder", "x"));
        } else if (failure == "start") {
            recorder.failStart = QStringLiteral("No microphone or other sound input was found.");
        } else if (failure == "save") {
            recorder.failSave = QStringLiteral("The disk is full.");
        } else {
            QFile::remove(AppFolder() + "zzblank.wav");
        }
        state.ListFolder = folder;
        QVERIFY(fakes::WriteFile(ListsFolder() + "cat.wav", "old recording"));

        frmRec rec(state, platform);
        rec.show();
        rec.lstFiles()->setCurrentRow(1);
        QTest::mouseClick(rec.cmdRecord(), Qt::LeftButton);
        if (rec.Recording())
            QTest::mouseClick(rec.cmdStop(), Qt::LeftButton);

        QCOMPARE(fake.log.Matching("msgbox"),
                 QStringList{"msgbox \"Record Word List\" exclamation ok -> ok"});
        const QString message = fake.dialogs.texts.last();
        if (failure == "folder")
            QVERIFY2(message.contains("notafolder"), qPrintable(message));
        else if (failure == "start")
            QCOMPARE(message, recorder.failStart);
        else if (failure == "save")
            QCOMPARE(message, recorder.failSave);
        else
            QVERIFY2(message.contains("zzblank.wav"), qPrintable(message));
        QVERIFY(fake.log.Matching("record play").isEmpty());
        QCOMPARE(ReadAll(ListsFolder() + "cat.wav"), QByteArray("old recording"));
        QVERIFY(!QFile::exists(ListsFolder() + "cat.wav.rec"));
        QVERIFY(Idle(rec));
        QVERIFY(rec.isVisible());
    }

    void exitWhileRecordingKeepsWhatWasRecorded()
    {
        frmRec rec(state, platform);
        rec.show();
        QTest::mouseClick(rec.cmdRecord(), Qt::LeftButton);
        QTest::mouseClick(rec.cmdExit(), Qt::LeftButton);
        QVERIFY(!rec.isVisible());
        QCOMPARE(fake.clock.ActiveTimers(), 0);
        QCOMPARE(ReadAll(ListsFolder() + "elephant.wav"), recorder.recordedBytes);
        QVERIFY(!QFile::exists(ListsFolder() + "elephant.wav.rec"));
    }
};

QTEST_MAIN(RecorderTest)
#include "RecorderTest.moc"
