#include "WordList.h"

namespace lexaroo {

void NewList(GameState& state)
{
    state.ListName = QStringLiteral("NONE");
    state.WordCount = 0;
    for (auto& w : state.Words)
        w.clear();
    state.ListSaved = 0;
}

void CompactList(GameState& state)
{
    int n = 0;
    for (int i = 1; i <= kMaxWords; ++i) {
        if (state.Words[i].isEmpty())
            continue;
        ++n;
        if (n != i) {
            state.Words[n] = state.Words[i];
            state.Words[i].clear();
        }
    }
    state.WordCount = static_cast<std::int16_t>(n);
}

std::int16_t ComputeListCase(const GameState& state)
{
    bool lower = false;
    bool upper = false;
    for (int i = 1; i <= state.WordCount && i <= kMaxWords; ++i) {
        for (const QChar c : state.Words[i]) {
            if (c >= u'a' && c <= u'z')
                lower = true;
            else if (c >= u'A' && c <= u'Z')
                upper = true;
        }
    }
    return static_cast<std::int16_t>((lower ? 1 : 0) + (upper ? 2 : 0));
}

QString PronunciationFileName(const QString& word)
{
    // A hand-made list file may hold any character; a separator would put
    // the recording in another folder.
    QString name = word.left(8);
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    name.replace(QLatin1Char('\\'), QLatin1Char('_'));
    return name + QStringLiteral(".wav");
}

QString PronunciationPath(const GameState& state, const QString& word)
{
    return state.ListFolder + PronunciationFileName(word);
}

} // namespace lexaroo
