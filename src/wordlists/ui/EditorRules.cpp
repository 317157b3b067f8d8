#include "EditorRules.h"

namespace lexaroo {

bool IsWordCharacter(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'\'' || c == u'-';
}

WordKey FilterWordKey(int key, Qt::KeyboardModifiers modifiers, const QString& text, int length,
                      int selected)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return WordKey::NextBox;
    if (key == Qt::Key_Backspace)
        return WordKey::Edit;
    // Moving and selecting keys type nothing; Delete only removes.
    if (key == Qt::Key_Delete || key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return WordKey::Edit;
    if (modifiers & (Qt::ControlModifier | Qt::MetaModifier))
        return text.isEmpty() ? WordKey::Edit : WordKey::Beep;
    if (text.isEmpty())
        return WordKey::Edit;
    for (const QChar c : text)
        if (!IsWordCharacter(c))
            return WordKey::Beep;
    if (length - selected + text.size() > kMaxTypedWordLength)
        return WordKey::Refuse;
    return WordKey::Insert;
}

QStringList PrintListLines(const GameState& state)
{
    const QString margin(10, u' ');
    QStringList lines{QString(), QString(), QString(), margin + kPrintCredit, QString(),
                      margin + QStringLiteral("List: ") + state.ListName, QString()};
    for (int i = 1; i <= state.WordCount && i <= kMaxWords; ++i) {
        // One more space before a one-digit number keeps the numbers right-aligned.
        const QString indent = i < 10 ? margin + u' ' : margin;
        lines << indent + QString::number(i) + QStringLiteral(" - ") + state.Words[i];
    }
    return lines;
}

QString DiscardQuestion(const QString& listName)
{
    return QStringLiteral("Current Word List: ") + listName
           + QStringLiteral("\n\nThis list will be lost if it has not been saved."
                            "\n\nDo you wish to continue?");
}

QString WithListExtension(const QString& path)
{
    if (path.endsWith(QStringLiteral(".bsl"), Qt::CaseInsensitive))
        return path;
    return path + QStringLiteral(".bsl");
}

} // namespace lexaroo
