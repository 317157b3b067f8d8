#include "DelimitedText.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <QIODevice>
#include <QSaveFile>

namespace lexaroo {

DelimitedReader::DelimitedReader(QIODevice& device) : device_(device) {}

int DelimitedReader::Get()
{
    const int c = Peek();
    pending_ = kNone;
    return c;
}

int DelimitedReader::Peek()
{
    if (pending_ != kNone)
        return pending_;
    char c = 0;
    if (device_.getChar(&c)) {
        pending_ = static_cast<unsigned char>(c);
    } else {
        pending_ = kEnd;
        // getChar() fails both at the end and on an error; only a file tells which.
        if (const auto* file = qobject_cast<const QFileDevice*>(&device_);
            file && file->error() != QFileDevice::NoError) {
            readFailed_ = true;
            detail_ = file->errorString();
        }
    }
    return pending_;
}

void DelimitedReader::SkipLineEnd(int c)
{
    if (c == '\r' && Peek() == '\n')
        Get();
    ++line_;
}

bool DelimitedReader::Fail(FieldError error, const QString& detail)
{
    error_ = error;
    if (!detail.isEmpty())
        detail_ = detail;
    return false;
}

bool DelimitedReader::ReadField(QByteArray& raw, bool& quoted)
{
    if (error_ != FieldError::None)
        return false;
    raw.clear();
    quoted = false;

    int c = Peek();
    while (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
        Get();
        if (c == '\r' || c == '\n')
            SkipLineEnd(c);
        c = Peek();
    }
    fieldLine_ = line_;
    if (c == kEnd)
        return Fail(readFailed_ ? FieldError::ReadFailed : FieldError::EndOfFile);

    if (c == '"') {
        Get();
        quoted = true;
        for (;;) {
            c = Get();
            if (c == '"')
                break;
            if (c == kEnd && readFailed_)
                return Fail(FieldError::ReadFailed);
            if (c == kEnd || c == '\r' || c == '\n')
                return Fail(FieldError::MissingQuote);
            if (c == 0)
                return Fail(FieldError::NulByte);
            if (raw.size() >= kMaxFieldLength)
                return Fail(FieldError::TooLong);
            raw.append(static_cast<char>(c));
        }
        c = Peek();
        while (c == ' ' || c == '\t') {
            Get();
            c = Peek();
        }
        if (c == ',') {
            Get();
        } else if (c == '\r' || c == '\n') {
            SkipLineEnd(Get());
        } else if (c == kEnd) {
            if (readFailed_)
                return Fail(FieldError::ReadFailed);
        } else {
            return Fail(FieldError::TextAfterQuote);
        }
        return true;
    }

    // Unquoted: up to the comma or line end, without the spaces around it.
    // Inner spaces are held back until something follows them, so a long run
    // of trailing spaces costs nothing.
    int spaces = 0;
    for (;;) {
        c = Peek();
        if (c == kEnd) {
            if (readFailed_)
                return Fail(FieldError::ReadFailed);
            break;
        }
        Get();
        if (c == ',')
            break;
        if (c == '\r' || c == '\n') {
            SkipLineEnd(c);
            break;
        }
        if (c == 0)
            return Fail(FieldError::NulByte);
        if (c == ' ' || c == '\t') {
            ++spaces;
            continue;
        }
        if (raw.size() + spaces >= kMaxFieldLength)
            return Fail(FieldError::TooLong);
        raw.append(spaces, ' ');
        spaces = 0;
        raw.append(static_cast<char>(c));
    }
    return true;
}

bool DelimitedReader::ReadNumber(std::int16_t& value)
{
    QByteArray raw;
    bool quoted = false;
    if (!ReadField(raw, quoted))
        return false;
    const QString shown = QString::fromLatin1(raw.left(20));
    if (quoted)
        return Fail(FieldError::NotANumber, QLatin1Char('"') + shown + QLatin1Char('"'));

    int i = 0;
    bool negative = false;
    if (i < raw.size() && (raw[i] == '-' || raw[i] == '+')) {
        negative = raw[i] == '-';
        ++i;
    }
    if (i == raw.size())
        return Fail(FieldError::NotANumber, shown);
    long long n = 0;
    for (; i < raw.size(); ++i) {
        const char d = raw[i];
        if (d < '0' || d > '9')
            return Fail(FieldError::NotANumber, shown);
        if (n <= 100000)
            n = n * 10 + (d - '0');
    }
    if (negative)
        n = -n;
    if (n < INT16_MIN || n > INT16_MAX)
        return Fail(FieldError::OutOfRange, shown);
    value = static_cast<std::int16_t>(n);
    return true;
}

bool DelimitedReader::ReadString(QString& value)
{
    QByteArray raw;
    bool quoted = false;
    if (!ReadField(raw, quoted))
        return false;
    value = QString::fromLatin1(raw);
    return true;
}

QString DelimitedReader::ErrorText() const
{
    const QString line = QString::number(fieldLine_);
    switch (error_) {
    case FieldError::None:
        return {};
    case FieldError::EndOfFile:
        return QStringLiteral("the file ends too soon, on line %1").arg(line);
    case FieldError::NotANumber:
        if (detail_.isEmpty())
            return QStringLiteral("line %1 should hold a number but holds nothing").arg(line);
        return QStringLiteral("line %1 should hold a number but holds %2").arg(line, detail_);
    case FieldError::OutOfRange:
        return QStringLiteral("the number %1 on line %2 is too large").arg(detail_, line);
    case FieldError::MissingQuote:
        return QStringLiteral("line %1 has no closing double quote").arg(line);
    case FieldError::TextAfterQuote:
        return QStringLiteral("line %1 has more text after its closing double quote").arg(line);
    case FieldError::TooLong:
        return QStringLiteral("line %1 holds an entry longer than %2 characters")
            .arg(line)
            .arg(kMaxFieldLength);
    case FieldError::NulByte:
        return QStringLiteral("line %1 holds binary data (a NUL byte), so this is not a text file")
            .arg(line);
    case FieldError::ReadFailed:
        return QStringLiteral("it could not be read (%1)").arg(detail_);
    }
    return {};
}

void DelimitedWriter::Separate()
{
    if (lineStarted_)
        bytes_.append(',');
    lineStarted_ = true;
}

void DelimitedWriter::Number(int value)
{
    Separate();
    bytes_.append(QByteArray::number(value));
}

bool DelimitedWriter::String(const QString& value)
{
    if (!Unwritable(value).isEmpty())
        return false;
    Separate();
    bytes_.append('"');
    bytes_.append(value.toLatin1());
    bytes_.append('"');
    return true;
}

void DelimitedWriter::EndLine()
{
    bytes_.append("\r\n");
    lineStarted_ = false;
}

QString DelimitedWriter::Unwritable(const QString& value)
{
    for (const QChar c : value) {
        const char16_t u = c.unicode();
        if (u == u'"')
            return QStringLiteral("it holds a double quote");
        if (u < 0x20 || u == 0x7f)
            return QStringLiteral("it holds a line break or another control character");
        if (u > 0xff)
            return QStringLiteral("it holds the character \u201C%1\u201D, which the file cannot store")
                .arg(c);
    }
    return {};
}

bool SaveFileSafely(const QString& path, const QByteArray& bytes, QString* reason)
{
    QSaveFile file(path);
    // Unbuffered, so a short write shows at once: a buffered QSaveFile can
    // drop the tail of a partial write and still commit a truncated file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (reason) {
            const QFileInfo info(path);
            *reason = !info.absoluteDir().exists()
                ? QStringLiteral("the folder %1 does not exist")
                      .arg(QDir::toNativeSeparators(info.absolutePath()))
                : file.errorString();
        }
        return false;
    }
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            if (reason)
                *reason = file.errorString();
            file.cancelWriting();
            return false;
        }
        done += n;
    }
    if (!file.commit()) {
        if (reason)
            *reason = file.errorString();
        return false;
    }
    return true;
}

QString QuotedPath(const QString& path)
{
    return QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"');
}

} // namespace lexaroo
