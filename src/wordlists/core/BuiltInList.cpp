#include "BuiltInList.h"

#include "BuiltInFormat.h"
#include "DelimitedText.h"
#include "PronunciationFiles.h"

#include <QFile>

#include <array>

namespace lexaroo {

QString BuiltInListPath(const GameState& state)
{
    return state.AppFolder + QStringLiteral("lexaroo.bil");
}

QString BuiltInListName(const GameState& state)
{
    return QString::fromStdString(BuiltInListName(state.BuiltInGrade, state.BuiltInList));
}

bool LoadBuiltInList(GameState& state, QString* error)
{
    const int grade = state.BuiltInGrade;
    const int list = state.BuiltInList;
    if (grade < 0 || grade >= kBuiltInGrades || list < 1 || list > kBuiltInListsPerGrade) {
        if (error)
            *error = QStringLiteral("There is no built-in list %1 for grade %2.").arg(list).arg(grade);
        return false;
    }
    const int record = BuiltInRecordNumber(grade, list);
    state.ListName = BuiltInListName(state);
    for (auto& word : state.Words)
        word.clear();
    state.WordCount = 0;
    state.ListFolder = state.AppFolder;
    CleanUpEmptySounds(state.ListFolder);

    const QString path = BuiltInListPath(state);
    auto fail = [&](const QString& what) {
        if (error) {
            *error = QStringLiteral("The built-in list %1 could not be loaded from %2: %3.")
                         .arg(state.ListName, QuotedPath(path), what);
        }
        return false;
    };

    QFile file(path);
    if (!file.exists())
        return fail(QStringLiteral("the file was not found"));
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    const qint64 offset = qint64(record - 1) * kBuiltInRecordLength;
    if (file.size() < offset + kBuiltInRecordLength) {
        return fail(QStringLiteral("the file is incomplete (it holds %1 of the %2 lists)")
                        .arg(file.size() / kBuiltInRecordLength)
                        .arg(kBuiltInRecordCount));
    }
    QByteArray bytes;
    if (file.seek(offset))
        bytes = file.read(kBuiltInRecordLength);
    if (bytes.size() != kBuiltInRecordLength)
        return fail(file.errorString());

    // Check every word before storing any, so a damaged record leaves the
    // list empty rather than half filled with unreadable words.
    std::array<QString, kBuiltInWordsPerList + 1> words;
    for (int k = 1; k <= kBuiltInWordsPerList; ++k) {
        QByteArray field = bytes.mid(k * kBuiltInFieldLength, kBuiltInFieldLength);
        const qsizetype space = field.indexOf(' ');
        if (space >= 0)
            field.truncate(space);
        if (!IsBuiltInWord(field.toStdString()))
            return fail(QStringLiteral("the file is damaged (word %1 of the list)").arg(k));
        words[k] = QString::fromLatin1(field);
        if (state.BuiltInCase == 1)
            words[k] = words[k].toLower();
    }
    for (int k = 1; k <= kBuiltInWordsPerList; ++k)
        state.Words[k] = words[k];
    state.WordCount = kBuiltInWordsPerList;
    state.ListSaved = 1;
    return true;
}

} // namespace lexaroo
