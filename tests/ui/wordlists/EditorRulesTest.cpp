// The word boxes' key filter, the printed list's lines and the saved file's
// name: the rules of the list editor that need no window.
#include "EditorRules.h"

#include <QtTest>

using namespace lexaroo;

Q_DECLARE_METATYPE(lexaroo::WordKey)
Q_DECLARE_METATYPE(Qt::KeyboardModifiers)

class EditorRulesTest : public QObject {
    Q_OBJECT

private slots:
    void keyFilter_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("selected");
        QTest::addColumn<WordKey>("expected");
        const Qt::KeyboardModifiers none = Qt::NoModifier;
        const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
        QTest::newRow("lower letter") << int(Qt::Key_A) << none << "a" << 0 << 0 << WordKey::Insert;
        QTest::newRow("capital letter") << int(Qt::Key_Z) << shift << "Z" << 3 << 0 << WordKey::Insert;
        QTest::newRow("apostrophe") << int(Qt::Key_Apostrophe) << none << "'" << 3 << 0 << WordKey::Insert;
        QTest::newRow("hyphen") << int(Qt::Key_Minus) << none << "-" << 3 << 0 << WordKey::Insert;
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << none << "\b" << 3 << 0 << WordKey::Edit;
        QTest::newRow("return") << int(Qt::Key_Return) << none << "\r" << 3 << 0 << WordKey::NextBox;
        QTest::newRow("keypad enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier)
                                      << "\r" << 0 << 0 << WordKey::NextBox;
        QTest::newRow("space") << int(Qt::Key_Space) << none << " " << 3 << 0 << WordKey::Beep;
        QTest::newRow("digit") << int(Qt::Key_7) << none << "7" << 3 << 0 << WordKey::Beep;
        QTest::newRow("full stop") << int(Qt::Key_Period) << none << "." << 3 << 0 << WordKey::Beep;
        QTest::newRow("double quote") << int(Qt::Key_QuoteDbl) << shift << "\"" << 3 << 0 << WordKey::Beep;
        QTest::newRow("comma") << int(Qt::Key_Comma) << none << "," << 3 << 0 << WordKey::Beep;
        QTest::newRow("accented letter") << int(Qt::Key_Eacute) << none << QString(QChar(0xE9)) << 3
                                         << 0 << WordKey::Beep;
        QTest::newRow("escape") << int(Qt::Key_Escape) << none << "\x1b" << 3 << 0 << WordKey::Beep;
        QTest::newRow("paste") << int(Qt::Key_V) << ctrl << "\x16" << 3 << 0 << WordKey::Beep;
        QTest::newRow("paste as the test tool types it") << int(Qt::Key_V) << ctrl << "v" << 3 << 0
                                                         << WordKey::Beep;
        QTest::newRow("arrow") << int(Qt::Key_Left) << none << "" << 3 << 0 << WordKey::Edit;
        QTest::newRow("word jump") << int(Qt::Key_Left) << ctrl << "" << 3 << 0 << WordKey::Edit;
        QTest::newRow("delete") << int(Qt::Key_Delete) << none << "\x7f" << 3 << 0 << WordKey::Edit;
        QTest::newRow("twelfth letter") << int(Qt::Key_A) << none << "a" << 11 << 0 << WordKey::Insert;
        QTest::newRow("thirteenth letter") << int(Qt::Key_A) << none << "a" << 12 << 0 << WordKey::Refuse;
        QTest::newRow("thirteenth apostrophe") << int(Qt::Key_Apostrophe) << none << "'" << 12 << 0
                                               << WordKey::Refuse;
        QTest::newRow("over a selection") << int(Qt::Key_A) << none << "a" << 12 << 2 << WordKey::Insert;
        QTest::newRow("bad key in a full box") << int(Qt::Key_1) << none << "1" << 12 << 0
                                               << WordKey::Beep;
    }

    void keyFilter()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, text);
        QFETCH(int, length);
        QFETCH(int, selected);
        QFETCH(WordKey, expected);
        QCOMPARE(FilterWordKey(key, modifiers, text, length, selected), expected);
    }

    void printedLinesLineUpTheNumbers()
    {
        GameState state;
        state.ListName = QStringLiteral("G2LIST3");
        const QStringList words{"cat", "dog", "emu", "fox", "gnu", "hen", "jay", "koi",
                                "lark", "mole", "newt", "owl's"};
        for (int i = 0; i < words.size(); ++i)
            state.Words[i + 1] = words[i];
        state.WordCount = static_cast<std::int16_t>(words.size());

        const QStringList lines = PrintListLines(state);
        const QStringList head{"", "", "", "          Lexaroo Spelling Word List", "",
                               "          List: G2LIST3", ""};
        QCOMPARE(lines.mid(0, 7), head);
        QCOMPARE(lines.size(), 7 + 12);
        QCOMPARE(lines[7], QStringLiteral("           1 - cat"));
        QCOMPARE(lines[15], QStringLiteral("           9 - lark"));
        QCOMPARE(lines[16], QStringLiteral("          10 - mole"));
        QCOMPARE(lines[18], QStringLiteral("          12 - owl's"));
        for (int i = 7; i < lines.size(); ++i)
            QCOMPARE(lines[i].indexOf(" - "), 12);
    }

    void printedLinesOfAFullList()
    {
        GameState state;
        state.ListName = QStringLiteral("NONE");
        for (int i = 1; i <= kMaxWords; ++i)
            state.Words[i] = QStringLiteral("w%1").arg(i);
        state.WordCount = kMaxWords;
        const QStringList lines = PrintListLines(state);
        QCOMPARE(lines.size(), 7 + 30);
        QCOMPARE(lines.last(), QStringLiteral("          30 - w30"));
    }

    void savedNameGetsTheListExtension_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("saved");
        QTest::newRow("with it") << "/lists/ANIMALS.bsl" << "/lists/ANIMALS.bsl";
        QTest::newRow("capitals") << "/lists/ANIMALS.BSL" << "/lists/ANIMALS.BSL";
        QTest::newRow("without") << "/lists/ANIMALS" << "/lists/ANIMALS.bsl";
        QTest::newRow("other dot") << "/lists/my.list" << "/lists/my.list.bsl";
    }

    void savedNameGetsTheListExtension()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, saved);
        QCOMPARE(WithListExtension(chosen), saved);
    }
};

QTEST_APPLESS_MAIN(EditorRulesTest)
#include "EditorRulesTest.moc"
