// The list editor driven as a parent would: typing in the boxes, clicking the
// command buttons and labels, answering the questions.
#include "BuiltInFormat.h"
#include "FakePlatform.h"
#include "TableEntry.h"
#include "TestFiles.h"
#include "UiKit.h"
#include "frmEdit.h"
#include "frmRec.h"
#include "optBuilt.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

using namespace lexaroo;
using lexaroo::uitest::TableInfo;
using lexaroo::fakes::FakePlatform;

namespace {

// A built-in list file of `records` lists whose words tell where they came
// from: word k of grade g, list l is "WORD" + letters for g, l and k.
QByteArray BuiltInFile(int records)
{
    QByteArray bytes;
    for (int r = 1; r <= records; ++r) {
        const int grade = (r - 1) / 10;
        const int list = (r - 1) % 10 + 1;
        QByteArray record = QByteArray("LIST").leftJustified(kBuiltInFieldLength, ' ');
        for (int k = 1; k <= kBuiltInWordsPerList; ++k) {
            QByteArray word = "WORD";
            word += char('A' + grade);
            word += char('A' + list);
            word += char('A' + k);
            record += word.leftJustified(kBuiltInFieldLength, ' ');
        }
        bytes += record;
    }
    return bytes;
}

QString BuiltInWord(int grade, int list, int k)
{
    return QStringLiteral("WORD") + QChar('A' + grade) + QChar('A' + list) + QChar('A' + k);
}

QByteArray ReadAll(const QString& path) { return fakes::ReadFile(path); }

} // namespace

class EditorTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    FakePlatform fake;
    Platform platform = fake.Get();
    GameState state;
    QPointer<frmEdit> editor;

    QString AppFolder() const { return dir.path() + QStringLiteral("/app/"); }
    QString ListsFolder() const { return dir.path() + QStringLiteral("/lists/"); }

    frmEdit* Open()
    {
        editor = new frmEdit(state, platform, TableInfo(1));
        editor->show();
        QApplication::setActiveWindow(editor);
        if (!QTest::qWaitForWindowActive(editor))
            qWarning("the editor did not become active");
        return editor;
    }

    // Types into a box the way a person does: focus it, then press keys.
    void Type(int box, const QString& keys)
    {
        editor->txtWord(box)->setFocus();
        QTest::keyClicks(editor->txtWord(box), keys);
    }

    void SetList(const QStringList& words, const QString& name, int saved)
    {
        for (auto& w : state.Words)
            w.clear();
        for (int i = 0; i < words.size(); ++i)
            state.Words[i + 1] = words[i];
        state.WordCount = static_cast<std::int16_t>(words.size());
        state.ListName = name;
        state.ListSaved = static_cast<std::int16_t>(saved);
    }

    QStringList Boxes() const
    {
        QStringList texts;
        for (int i = 1; i <= kMaxWords; ++i)
            texts << editor->txtWord(i)->text();
        return texts;
    }

    QStringList StateWords() const
    {
        QStringList words;
        for (int i = 1; i <= kMaxWords; ++i)
            words << state.Words[i];
        return words;
    }

    static QStringList Padded(QStringList words)
    {
        while (words.size() < kMaxWords)
            words << QString();
        return words;
    }

    // Deals with the modal window a command opens, once it is up.
    void WhenModal(std::function<void(QWidget*)> act)
    {
        QTimer::singleShot(0, this, [act] {
            QWidget* modal = QApplication::activeModalWidget();
            QVERIFY2(modal, "no modal window was opened");
            act(modal);
        });
    }

private slots:
    void init()
    {
        QDir().mkpath(AppFolder());
        QDir().mkpath(ListsFolder());
        state = GameState{};
        state.AppFolder = AppFolder();
        state.ListName = QStringLiteral("NONE");
        fake.log.Clear();
        fake.dialogs.answers.clear();
        fake.dialogs.fileNames.clear();
        fake.dialogs.texts.clear();
        fake.printer.failBegin.clear();
    }

    void cleanup()
    {
        delete editor;
        QFile::remove(AppFolder() + "lexaroo.bil");
    }

    void opensWithTheListAndItsLayout()
    {
        // Built-in and file words may be longer than the twelve letters the
        // keys allow; they are shown and kept whole.
        SetList({"cat", "dog", "kindheartedness"}, QStringLiteral("PETS"), 1);
        state.Words[7] = QStringLiteral("stale"); // beyond WordCount: emptied on opening
        Open();
        QCOMPARE(editor->windowTitle(), QStringLiteral("List Editor, List Name: PETS"));
        QCOMPARE(editor->size(), QSize(Twips(8355), Twips(5685)));
        QCOMPARE(Boxes(), Padded({"cat", "dog", "kindheartedness"}));
        editor->txtWord(3)->setFocus();
        editor->txtWord(4)->setFocus();
        QCOMPARE(state.Words[3], QStringLiteral("kindheartedness"));
        QCOMPARE(state.Words[7], QString());
        // Filling the boxes is no edit.
        QCOMPARE(state.ListSaved, 1);
        QCOMPARE(editor->EditorLoading(), 0);
        QVERIFY(fake.log.Contains("randomize"));

        QCOMPARE(editor->txtWord(16)->geometry(), QRect(Twips(3360), Twips(120), Twips(2175), Twips(375)));
        QCOMPARE(editor->txtWord(15)->geometry().topLeft(), QPoint(Twips(600), Twips(120 + 360 * 14)));
        QCOMPARE(editor->lblIndex(29)->text(), QStringLiteral("30"));
        QCOMPARE(editor->findChild<QGroupBox*>("Frame1")->title(), QStringLiteral("Choices"));
        const QStringList labels{"New List", "Open List", "Built-In List", "Save List", "Print List",
                                 "Record List"};
        for (int k = 0; k < 6; ++k) {
            QCOMPARE(editor->Label1(k)->text(), labels[k]);
            QCOMPARE(editor->Label1(k)->objectName(), ArrayName("Label1", k));
        }
        QCOMPARE(editor->cmdRecord()->parentWidget()->pos() + editor->cmdRecord()->pos(),
                 QPoint(Twips(5640) + Twips(240), Twips(120) + Twips(3720)));
        QCOMPARE(editor->cmdHelp()->text(), QStringLiteral("&Help"));
        QCOMPARE(editor->cmdExit()->text(), QStringLiteral("E&xit"));

        QTest::mouseClick(editor->cmdHelp(), Qt::LeftButton);
        QVERIFY(fake.log.Contains("help topic 1"));
    }

    void keysTypedInABox()
    {
        SetList({}, QStringLiteral("NONE"), 1);
        Open();
        Type(1, QStringLiteral("a1b c.d'-e\""));
        QCOMPARE(editor->txtWord(1)->text(), QStringLiteral("abcd'-e"));
        QCOMPARE(fake.log.Matching("beep").size(), 4);
        QCOMPARE(state.ListSaved, 0);

        // Backspace edits; twelve characters at most, the rest dropped quietly.
        fake.log.Clear();
        QTest::keyClick(editor->txtWord(1), Qt::Key_Backspace);
        QCOMPARE(editor->txtWord(1)->text(), QStringLiteral("abcd'-"));
        Type(2, QStringLiteral("Antidisestablishment"));
        QCOMPARE(editor->txtWord(2)->text(), QStringLiteral("Antidisestab"));
        QVERIFY(fake.log.Matching("beep").isEmpty());

        // Nothing is pasted in, by key or by mouse.
        QApplication::clipboard()->setText(QStringLiteral("9 \"x\""));
        QTest::keyClick(editor->txtWord(1), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(editor->txtWord(1)->text(), QStringLiteral("abcd'-"));
        QCOMPARE(fake.log.Matching("beep").size(), 1);
        QTest::mouseClick(editor->txtWord(1), Qt::MiddleButton);
        QCOMPARE(editor->txtWord(1)->text(), QStringLiteral("abcd'-"));
    }

    void enterMovesToTheNextBoxAndFrom30To1()
    {
        Open();
        editor->txtWord(5)->setFocus();
        QTest::keyClick(editor->txtWord(5), Qt::Key_Return);
        QVERIFY(editor->txtWord(6)->hasFocus());
        QCOMPARE(editor->txtWord(5)->text(), QString());
        editor->txtWord(30)->setFocus();
        QTest::keyClick(editor->txtWord(30), Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(editor->txtWord(1)->hasFocus());
        QVERIFY(fake.log.Matching("beep").isEmpty());
    }

    void leavingABoxTrimsItsWord()
    {
        SetList({"  owl ", "   "}, QStringLiteral("BIRDS"), 1);
        Open();
        editor->txtWord(1)->setFocus();
        editor->txtWord(2)->setFocus();
        QCOMPARE(editor->txtWord(1)->text(), QStringLiteral("owl"));
        QCOMPARE(state.Words[1], QStringLiteral("owl"));
        editor->txtWord(3)->setFocus();
        QCOMPARE(state.Words[2], QString());
        QCOMPARE(editor->txtWord(2)->text(), QString());
    }

    void wordsInBoxes1_5_30BecomeWords1To3AtTheNextCommand()
    {
        Open();
        Type(1, "cat");
        Type(5, "dog");
        Type(30, "emu");
        // A label takes no focus: the word still being typed in box 30
        // counts too. Save with a cancelled dialog changes nothing else.
        QTest::mouseClick(editor->Label1(3), Qt::LeftButton);
        QCOMPARE(state.WordCount, 3);
        QCOMPARE(StateWords(), Padded({"cat", "dog", "emu"}));
        QCOMPARE(Boxes(), Padded({"cat", "dog", "emu"}));
        QCOMPARE(fake.log.Matching("save dialog"),
                 QStringList{"save dialog \"Save Word List\" NONE.bsl Word Lists (*.bsl) -> "});
    }

    void discardConfirmationOnAnEditedList_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("title");
        QTest::newRow("new") << int(frmEdit::NewList) << "Enter New List";
        QTest::newRow("open") << int(frmEdit::OpenList) << "Open Word List";
        QTest::newRow("built-in") << int(frmEdit::BuiltInList) << "Use Built-In List";
    }

    void discardConfirmationOnAnEditedList()
    {
        QFETCH(int, command);
        QFETCH(QString, title);
        SetList({"cat"}, QStringLiteral("PETS"), 1);
        Open();
        Type(2, "dog");
        QCOMPARE(state.ListSaved, 0);
        fake.dialogs.answers = {MsgAnswer::No};
        bool strayWindow = false;
        QTimer::singleShot(0, this, [&] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                strayWindow = true;
                w->close();
            }
        });
        QTest::mouseClick(editor->Label1(command), Qt::LeftButton);
        QCoreApplication::processEvents(); // the check above runs now at the latest
        QVERIFY(!strayWindow);
        // Asked once, with No as the default; No leaves everything as it was
        // and nothing else opens.
        QCOMPARE(fake.log.Matching("msgbox"),
                 QStringList{QStringLiteral("msgbox \"%1\" question yesno -> no").arg(title)});
        QCOMPARE(fake.dialogs.texts.last(),
                 QStringLiteral("Current Word List: PETS\n\nThis list will be lost if it has not "
                                "been saved.\n\nDo you wish to continue?"));
        QVERIFY(fake.log.Matching("open dialog").isEmpty());
        QCOMPARE(StateWords(), Padded({"cat", "dog"}));
        QCOMPARE(state.ListName, QStringLiteral("PETS"));
        QCOMPARE(Boxes(), Padded({"cat", "dog"}));
    }

    void noConfirmationOnASavedList_data()
    {
        QTest::addColumn<int>("command");
        QTest::newRow("new") << int(frmEdit::NewList);
        QTest::newRow("open") << int(frmEdit::OpenList);
        QTest::newRow("built-in") << int(frmEdit::BuiltInList);
    }

    void noConfirmationOnASavedList()
    {
        QFETCH(int, command);
        SetList({"cat", "dog"}, QStringLiteral("PETS"), 1);
        state.ListFolder = ListsFolder();
        Open();
        bool chooserShown = false;
        if (command == frmEdit::BuiltInList)
            WhenModal([&](QWidget* w) {
                chooserShown = qobject_cast<optBuilt*>(w) != nullptr;
                QTest::mouseClick(w->findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
            });
        QTest::mouseClick(editor->Label1(command), Qt::LeftButton);
        QVERIFY(fake.log.Matching("msgbox").isEmpty());
        switch (command) {
        case frmEdit::NewList:
            QCOMPARE(state.WordCount, 0);
            QCOMPARE(state.ListName, QStringLiteral("NONE"));
            QCOMPARE(state.ListSaved, 0);
            QCOMPARE(state.ListFolder, ListsFolder());
            QCOMPARE(Boxes(), Padded({}));
            QCOMPARE(editor->windowTitle(), QStringLiteral("List Editor, List Name: NONE"));
            QVERIFY(editor->txtWord(1)->hasFocus());
            break;
        case frmEdit::OpenList:
            QCOMPARE(fake.log.Matching("open dialog"),
                     QStringList{"open dialog \"Open Word List\" Word Lists (*.bsl) -> "});
            QCOMPARE(state.ListName, QStringLiteral("PETS"));
            break;
        case frmEdit::BuiltInList:
            QVERIFY(chooserShown);
            QCOMPARE(state.BuiltInCancelled, 1);
            QCOMPARE(state.ListName, QStringLiteral("PETS"));
            QCOMPARE(state.WordCount, 2);
            break;
        }
    }

    void newListAfterYesEmptiesTheList()
    {
        SetList({"cat"}, QStringLiteral("PETS"), 0);
        state.ListFolder = ListsFolder();
        Open();
        fake.dialogs.answers = {MsgAnswer::Yes};
        QTest::mouseClick(editor->cmdNew(), Qt::LeftButton);
        QCOMPARE(state.WordCount, 0);
        QCOMPARE(state.ListName, QStringLiteral("NONE"));
        QCOMPARE(state.ListFolder, ListsFolder());
        QCOMPARE(Boxes(), Padded({}));
    }

    void openReadsTheListAndDeletesEmptyRecordings()
    {
        const QString path = ListsFolder() + "ANIMALS.bsl";
        QVERIFY(fakes::WriteFile(path, "3\r\n\"cat\"\r\n\"can't\"\r\n\"x-ray\"\r\n"));
        QVERIFY(fakes::WriteFile(ListsFolder() + "empty.wav", {}));
        QVERIFY(fakes::WriteFile(ListsFolder() + "cat.wav", "RIFF"));
        QVERIFY(fakes::WriteFile(ListsFolder() + "notes.txt", {}));
        Open();
        fake.dialogs.fileNames = {path};
        QTest::mouseClick(editor->cmdOpen(), Qt::LeftButton);
        QCOMPARE(state.WordCount, 3);
        QCOMPARE(Boxes(), Padded({"cat", "can't", "x-ray"}));
        QCOMPARE(state.ListName, QStringLiteral("ANIMALS"));
        QCOMPARE(state.ListFolder, QDir::toNativeSeparators(ListsFolder()));
        QCOMPARE(state.ListSaved, 1);
        QCOMPARE(editor->windowTitle(), QStringLiteral("List Editor, List Name: ANIMALS"));
        QVERIFY(editor->txtWord(1)->hasFocus());
        QVERIFY(!QFile::exists(ListsFolder() + "empty.wav"));
        QVERIFY(QFile::exists(ListsFolder() + "cat.wav"));
        QVERIFY(QFile::exists(ListsFolder() + "notes.txt"));
    }

    void openOfAShortFileReportsItAndShowsWhatWasRead()
    {
        const QString path = ListsFolder() + "SHORT.bsl";
        QVERIFY(fakes::WriteFile(path, "5\r\n\"ant\"\r\n\"bee\"\r\n\"cow\"\r\n"));
        SetList({"old"}, QStringLiteral("OLD"), 1);
        Open();
        fake.dialogs.fileNames = {path};
        QTest::mouseClick(editor->cmdOpen(), Qt::LeftButton);
        QCOMPARE(fake.log.Matching("msgbox"),
                 QStringList{"msgbox \"Error Detected\" exclamation ok -> ok"});
        QVERIFY(!fake.dialogs.texts.last().isEmpty());
        QCOMPARE(StateWords(), Padded({"ant", "bee", "cow"}));
        QCOMPARE(state.WordCount, 3);
        QCOMPARE(Boxes(), Padded({"ant", "bee", "cow"}));
        QCOMPARE(state.ListName, QStringLiteral("SHORT"));
    }

    void saveWritesTheListUnderItsNewName()
    {
        state.ListFolder = QString();
        Open();
        Type(1, "cat");
        Type(2, "owl's");
        fake.dialogs.fileNames = {ListsFolder() + "BIRDS"};
        QTest::mouseClick(editor->cmdSave(), Qt::LeftButton);
        QCOMPARE(fake.log.Matching("save dialog"),
                 QStringList{"save dialog \"Save Word List\" NONE.bsl Word Lists (*.bsl) -> "
                             + ListsFolder() + "BIRDS"});
        QCOMPARE(ReadAll(ListsFolder() + "BIRDS.bsl"), QByteArray("2\r\n\"cat\"\r\n\"owl's\"\r\n"));
        QCOMPARE(state.ListName, QStringLiteral("BIRDS"));
        QCOMPARE(state.ListFolder, QDir::toNativeSeparators(ListsFolder()));
        QCOMPARE(state.ListSaved, 1);
        QCOMPARE(editor->windowTitle(), QStringLiteral("List Editor, List Name: BIRDS"));

        // The next save proposes the list's own name, and a name that gains
        // the extension here is asked about before it is replaced.
        fake.log.Clear();
        Type(3, "emu");
        fake.dialogs.fileNames = {ListsFolder() + "BIRDS"};
        fake.dialogs.answers = {MsgAnswer::No};
        QTest::mouseClick(editor->cmdSave(), Qt::LeftButton);
        QVERIFY(fake.log.Matching("save dialog").first().contains(" BIRDS.bsl "));
        QCOMPARE(fake.log.Matching("msgbox"),
                 QStringList{"msgbox \"Save Word List\" question yesno -> no"});
        QCOMPARE(ReadAll(ListsFolder() + "BIRDS.bsl"), QByteArray("2\r\n\"cat\"\r\n\"owl's\"\r\n"));
        QCOMPARE(state.ListSaved, 0);
    }

    void saveWithAnEmptyListDoesNothing()
    {
        Open();
        fake.log.Clear();
        fake.dialogs.fileNames = {ListsFolder() + "EMPTY.bsl"};
        QTest::mouseClick(editor->cmdSave(), Qt::LeftButton);
        QVERIFY(fake.log.Events().isEmpty());
        QVERIFY(!QFile::exists(ListsFolder() + "EMPTY.bsl"));
    }

    void printWithAnEmptyListShowsItsMessage()
    {
        Open();
        QTest::mouseClick(editor->Label1(4), Qt::LeftButton);
        QCOMPARE(fake.log.Matching("msgbox"),
                 QStringList{"msgbox \"Print Word List\" exclamation ok -> ok"});
        QCOMPARE(fake.dialogs.texts.last(), QStringLiteral("No words in list - can't be printed!"));
        QVERIFY(fake.log.Matching("printer").isEmpty());
    }

    void printPrintsTheListLineByLine()
    {
        QStringList words;
        for (int i = 1; i <= 11; ++i)
            words << QStringLiteral("word%1").arg(QChar('a' + i));
        SetList(words, QStringLiteral("G2LIST3"), 1);
        Open();
        QTest::mouseClick(editor->cmdPrint(), Qt::LeftButton);
        QCOMPARE(fake.log.Matching("msgbox"),
                 QStringList{"msgbox \"Print Word List\" info okcancel -> ok"});
        QCOMPARE(fake.dialogs.texts.last(), QStringLiteral("Make sure printer is on-line and ready."));
        QVERIFY(fake.log.Contains("printer font Courier New 12"));
        QVERIFY(fake.log.Contains("printer end"));
        QStringList expected{"", "", "", "          Lexaroo Spelling Word List", "",
                             "          List: G2LIST3", ""};
        for (int i = 1; i <= 9; ++i)
            expected << QStringLiteral("           %1 - %2").arg(i).arg(words[i - 1]);
        expected << "          10 - wordk" << "          11 - wordl";
        QCOMPARE(fake.printer.lines, expected);
    }

    void printCancelledOrFailingPrintsNothingAndKeepsTheEditor()
    {
        SetList({"cat"}, QStringLiteral("PETS"), 1);
        Open();
        fake.dialogs.answers = {MsgAnswer::Cancel};
        QTest::mouseClick(editor->cmdPrint(), Qt::LeftButton);
        QVERIFY(fake.log.Matching("printer").isEmpty());

        fake.printer.failBegin = QStringLiteral("The printer could not be started.");
        QTest::mouseClick(editor->cmdPrint(), Qt::LeftButton);
        QCOMPARE(fake.log.Matching("msgbox").last(),
                 QStringLiteral("msgbox \"Print Word List\" exclamation ok -> ok"));
        QCOMPARE(fake.dialogs.texts.last(), QStringLiteral("The printer could not be started."));
        QVERIFY(!fake.log.Contains("printer end"));
        QVERIFY(editor->isVisible());
    }

    void recordWithAnEmptyListShowsItsMessage()
    {
        Open();
        QTest::mouseClick(editor->cmdRecord(), Qt::LeftButton);
        QCOMPARE(fake.log.Matching("msgbox"),
                 QStringList{"msgbox \"Record Word List\" exclamation ok -> ok"});
        QCOMPARE(fake.dialogs.texts.last(), QStringLiteral("No words in list - can't be recorded!"));
    }

    void recordRecommendsSavingAnUnsavedList()
    {
        SetList({"cat"}, QStringLiteral("NONE"), 0);
        Open();
        fake.dialogs.answers = {MsgAnswer::No};
        QTest::mouseClick(editor->cmdRecord(), Qt::LeftButton);
        QCOMPARE(fake.log.Matching("msgbox"),
                 QStringList{"msgbox \"Record Word List\" question yesno -> no"});
        QCOMPARE(fake.dialogs.texts.last(),
                 QStringLiteral("It is recommended that you save your word\nlist before recording."
                                "  Otherwise, the\nrecorded words could get lost.\n\nDo you still "
                                "want to record your word list?"));

        // Yes opens the recorder over the editor, with the list's words.
        fake.dialogs.answers = {MsgAnswer::Yes};
        int items = -1;
        WhenModal([&](QWidget* w) {
            auto* rec = qobject_cast<frmRec*>(w);
            QVERIFY(rec);
            items = rec->lstFiles()->count();
            QTest::mouseClick(rec->cmdExit(), Qt::LeftButton);
        });
        QTest::mouseClick(editor->cmdRecord(), Qt::LeftButton);
        QCOMPARE(items, 1);
        QVERIFY(editor->isVisible());
    }

    void builtInLoadsTheChosenList()
    {
        QVERIFY(fakes::WriteFile(AppFolder() + "lexaroo.bil", BuiltInFile(70)));
        QVERIFY(fakes::WriteFile(AppFolder() + "blank.wav", {}));
        Open();
        WhenModal([](QWidget* w) {
            w->findChild<QRadioButton*>("optGrade(2)")->click();
            w->findChild<QRadioButton*>("optList(3)")->click();
            w->findChild<QRadioButton*>("optUC(1)")->click();
            QTest::mouseClick(w->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        });
        QTest::mouseClick(editor->cmdBuilt(), Qt::LeftButton);
        QCOMPARE(state.BuiltInCancelled, 0);
        QCOMPARE(state.ListName, QStringLiteral("G2LIST3"));
        QCOMPARE(state.WordCount, 20);
        QCOMPARE(state.Words[1], BuiltInWord(2, 3, 1).toLower());
        QCOMPARE(editor->txtWord(20)->text(), BuiltInWord(2, 3, 20).toLower());
        QCOMPARE(editor->txtWord(21)->text(), QString());
        QCOMPARE(state.ListFolder, AppFolder());
        QCOMPARE(state.ListSaved, 1);
        QCOMPARE(editor->windowTitle(), QStringLiteral("List Editor, List Name: G2LIST3"));
        QVERIFY(!QFile::exists(AppFolder() + "blank.wav"));
    }

    void builtInFromAMissingOrShortFileLeavesTheListEmpty_data()
    {
        QTest::addColumn<int>("records");
        QTest::newRow("missing") << -1;
        QTest::newRow("short") << 22; // list 3 of grade 2 is record 23
    }

    void builtInFromAMissingOrShortFileLeavesTheListEmpty()
    {
        QFETCH(int, records);
        if (records >= 0)
            QVERIFY(fakes::WriteFile(AppFolder() + "lexaroo.bil", BuiltInFile(records)));
        state.BuiltInGrade = 2;
        state.BuiltInList = 3;
        SetList({"cat", "dog"}, QStringLiteral("PETS"), 1);
        Open();
        WhenModal([](QWidget* w) {
            QTest::mouseClick(w->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        });
        QTest::mouseClick(editor->cmdBuilt(), Qt::LeftButton);
        QCOMPARE(fake.log.Matching("msgbox"),
                 QStringList{"msgbox \"Error Detected\" exclamation ok -> ok"});
        QCOMPARE(state.WordCount, 0);
        QCOMPARE(Boxes(), Padded({}));
        QCOMPARE(StateWords(), Padded({}));
    }

    void exitCompactsAndSummarisesTheCase()
    {
        Open();
        QSignalSpy ended(editor.data(), &ActivityWindow::ended);
        Type(3, "Cat");
        Type(9, "x-ray");
        QTest::mouseClick(editor->cmdExit(), Qt::LeftButton);
        QCOMPARE(ended.count(), 1);
        QCOMPARE(state.WordCount, 2);
        QCOMPARE(state.Words[1], QStringLiteral("Cat"));
        QCOMPARE(state.Words[2], QStringLiteral("x-ray"));
        QCOMPARE(state.ListCase, 3);
        QTRY_VERIFY(editor.isNull()); // deleted on close
    }

    void closingTheWindowActsAsExit()
    {
        SetList({"can't", "well-known"}, QStringLiteral("LOW"), 1);
        state.ListCase = 0;
        Open();
        editor->close();
        QCOMPARE(state.ListCase, 1);
        QCOMPARE(state.ListSaved, 1);
    }
};

QTEST_MAIN(EditorTest)
#include "EditorTest.moc"
