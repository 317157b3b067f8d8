#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>

class QIODevice;

namespace lexaroo {

// The comma-separated text of the list and settings files: 8-bit (Latin-1)
// text, one record per line. Numbers are plain decimal; strings sit in double
// quotes with nothing escaped, so a string may hold commas but never a quote.
// Written lines end in CR LF; LF, CR LF and a lone CR are all read as line ends.

enum class FieldError {
    None,
    EndOfFile,      // no field left to read
    NotANumber,
    OutOfRange,     // a number that does not fit 16 bits
    MissingQuote,   // a quoted field not closed on its own line
    TextAfterQuote, // something other than a comma or line end after the closing quote
    TooLong,        // more than kMaxFieldLength characters
    NulByte,        // binary data, not text
    ReadFailed,     // the device reported an error
};

// Reads fields one at a time, in order, crossing line ends as needed. A field
// ends at a comma or a line end; spaces around an unquoted field and blank
// lines between fields are skipped. After a failure the reader stays failed.
class DelimitedReader {
public:
    static constexpr int kMaxFieldLength = 255;

    explicit DelimitedReader(QIODevice& device);

    bool ReadNumber(std::int16_t& value);
    bool ReadString(QString& value);

    FieldError Error() const { return error_; }
    // Line (from 1) of the field that failed, or of the last field read.
    int Line() const { return fieldLine_; }
    // What went wrong, as a phrase for a message: "line 2 is not a number".
    QString ErrorText() const;

private:
    bool ReadField(QByteArray& raw, bool& quoted);
    bool Fail(FieldError error, const QString& detail = {});
    int Peek();
    int Get();
    void SkipLineEnd(int c);

    static constexpr int kNone = -2; // nothing looked ahead yet
    static constexpr int kEnd = -1;  // end of the data (or a read error)

    QIODevice& device_;
    int pending_ = kNone;
    bool readFailed_ = false;
    int line_ = 1;
    int fieldLine_ = 1;
    FieldError error_ = FieldError::None;
    QString detail_;
};

// Builds lines of fields, separated by commas, each line ended by CR LF.
class DelimitedWriter {
public:
    void Number(int value);
    // False (and nothing written) when the text cannot be one quoted field.
    bool String(const QString& value);
    void EndLine();

    const QByteArray& Bytes() const { return bytes_; }

    // Why a text cannot be written as a quoted field (a double quote, a line
    // break or other control character, a character outside Latin-1), or an
    // empty string when it can.
    static QString Unwritable(const QString& value);

private:
    void Separate();

    QByteArray bytes_;
    bool lineStarted_ = false;
};

// Replaces the file at `path` with `bytes` through a temporary file in the
// same folder, renamed over the old one only when every byte was written: a
// full disk or an unwritable folder leaves the previous file as it was. On
// failure *reason holds the system's description of what went wrong.
bool SaveFileSafely(const QString& path, const QByteArray& bytes, QString* reason);

// The path as the user sees it, in quotes: "/home/user/lists/ANIMALS.bsl".
QString QuotedPath(const QString& path);

} // namespace lexaroo
