#include "ListFile.h"

#include "DelimitedText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace lexaroo {

namespace {

bool IsSeparator(QChar c) { return c == QDir::separator() || c == u'/'; }

bool ReadFailure(const QString& path, const QString& what, QString* error)
{
    if (error) {
        *error = QStringLiteral("The word list %1 could not be read: %2.")
                     .arg(QuotedPath(path), what);
    }
    return false;
}

bool WriteFailure(const QString& path, const QString& what, QString* error)
{
    if (error) {
        *error = QStringLiteral("The word list could not be saved as %1: %2.")
                     .arg(QuotedPath(path), what);
    }
    return false;
}

QString NotAListFile(const DelimitedReader& reader)
{
    return QStringLiteral("it is not a word list file (line %1 holds binary data)")
        .arg(reader.Line());
}

// Where the first control character (below a space, or DEL) is, or -1.
qsizetype ControlCharacterAt(const QString& word)
{
    for (qsizetype i = 0; i < word.size(); ++i) {
        const char16_t u = word[i].unicode();
        if (u < 0x20 || u == 0x7f)
            return i;
    }
    return -1;
}

} // namespace

void NameFromListPath(GameState& state, const QString& path)
{
    qsizetype cut = path.size();
    while (cut > 0 && !IsSeparator(path[cut - 1]))
        --cut;
    state.ListFolder = path.left(cut);
    // Drop the three-letter extension with its dot. A name without one is
    // kept whole rather than losing its last characters.
    const QString file = path.mid(cut);
    const bool hasExtension = file.size() > 4 && file[file.size() - 4] == u'.';
    state.ListName = hasExtension ? file.left(file.size() - 4) : file;
}

bool ReadListFile(GameState& state, const QString& path, QString* error)
{
    for (auto& word : state.Words)
        word.clear();
    state.WordCount = 0;

    const QFileInfo info(path);
    if (!info.exists())
        return ReadFailure(path, QStringLiteral("the file was not found"), error);
    if (info.isDir())
        return ReadFailure(path, QStringLiteral("it is a folder, not a word list file"), error);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ReadFailure(path, file.errorString(), error);

    DelimitedReader reader(file);
    std::int16_t count = 0;
    if (!reader.ReadNumber(count)) {
        switch (reader.Error()) {
        case FieldError::EndOfFile:
            return ReadFailure(path, QStringLiteral("the file is empty"), error);
        case FieldError::NulByte:
            return ReadFailure(path, NotAListFile(reader), error);
        case FieldError::NotANumber:
            return ReadFailure(
                path,
                QStringLiteral("line %1 should give the number of words, but it is not a number")
                    .arg(reader.Line()),
                error);
        case FieldError::OutOfRange:
            return ReadFailure(
                path,
                QStringLiteral("line %1 should give the number of words, but its number is far "
                               "too large")
                    .arg(reader.Line()),
                error);
        default:
            return ReadFailure(path, reader.ErrorText(), error);
        }
    }
    if (count < 0) {
        return ReadFailure(
            path,
            QStringLiteral("line %1 gives %2 as the number of words, which is impossible")
                .arg(reader.Line())
                .arg(count),
            error);
    }

    const int toRead = std::min<int>(count, kMaxWords);
    for (int i = 1; i <= toRead; ++i) {
        QString word;
        if (!reader.ReadString(word)) {
            const QString where = QStringLiteral("word %1 (line %2)").arg(i).arg(reader.Line());
            switch (reader.Error()) {
            case FieldError::EndOfFile:
                return ReadFailure(path,
                                   QStringLiteral("the file ended after %1 of the %2 words it "
                                                  "announces")
                                       .arg(i - 1)
                                       .arg(count),
                                   error);
            case FieldError::MissingQuote:
                return ReadFailure(path, where + QStringLiteral(" has no closing double quote"),
                                   error);
            case FieldError::TextAfterQuote:
                return ReadFailure(
                    path, where + QStringLiteral(" has more text after its closing double quote"),
                    error);
            case FieldError::NulByte:
                return ReadFailure(path, NotAListFile(reader), error);
            case FieldError::TooLong:
                return ReadFailure(path,
                                   where
                                       + QStringLiteral(" is longer than %1 characters")
                                             .arg(DelimitedReader::kMaxFieldLength),
                                   error);
            default:
                return ReadFailure(path, reader.ErrorText(), error);
            }
        }
        if (word.contains(QLatin1Char('"'))) {
            // Only a damaged file holds one: such a word could never be saved.
            return ReadFailure(path,
                               QStringLiteral("word %1 (line %2) holds a double quote, which no "
                                              "word can contain")
                                   .arg(i)
                                   .arg(reader.Line()),
                               error);
        }
        if (const qsizetype at = ControlCharacterAt(word); at >= 0) {
            // Nor can a word hold a control character: it would show as
            // nothing and the list could not be saved again.
            return ReadFailure(path,
                               QStringLiteral("word %1 (line %2) holds a control character "
                                              "(byte %3), which no word can contain")
                                   .arg(i)
                                   .arg(reader.Line())
                                   .arg(QStringLiteral("0x%1").arg(word[at].unicode(), 2, 16,
                                                                   QLatin1Char('0'))),
                               error);
        }
        // An empty field is no word: the list holds only the rest, in order,
        // as the editor's compaction would leave it.
        if (word.isEmpty())
            continue;
        state.WordCount = static_cast<std::int16_t>(state.WordCount + 1);
        state.Words[state.WordCount] = word;
    }
    if (count > kMaxWords) {
        return ReadFailure(path,
                           QStringLiteral("it announces %1 words, but a list holds at most %2 "
                                          "(the first %2 were read)")
                               .arg(count)
                               .arg(kMaxWords),
                           error);
    }
    return true;
}

bool WriteListFile(const GameState& state, const QString& path, QString* error)
{
    if (state.WordCount < 0 || state.WordCount > kMaxWords) {
        return WriteFailure(
            path, QStringLiteral("the list has %1 words, more than a list can hold").arg(state.WordCount),
            error);
    }
    DelimitedWriter writer;
    writer.Number(state.WordCount);
    writer.EndLine();
    for (int i = 1; i <= state.WordCount; ++i) {
        const QString& word = state.Words[i];
        // Refuse what could not be read back, rather than save a file that
        // cannot be opened again.
        if (word.size() > DelimitedReader::kMaxFieldLength) {
            return WriteFailure(path,
                                QStringLiteral("word %1 is longer than %2 characters")
                                    .arg(i)
                                    .arg(DelimitedReader::kMaxFieldLength),
                                error);
        }
        if (!writer.String(word)) {
            return WriteFailure(path,
                                QStringLiteral("word %1, \u201C%2\u201D, cannot be stored: %3")
                                    .arg(i)
                                    .arg(word, DelimitedWriter::Unwritable(word)),
                                error);
        }
        writer.EndLine();
    }
    QString reason;
    if (!SaveFileSafely(path, writer.Bytes(), &reason))
        return WriteFailure(path, reason, error);
    return true;
}

} // namespace lexaroo
