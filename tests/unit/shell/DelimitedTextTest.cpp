#include "DelimitedText.h"

#include <QBuffer>
#include <gtest/gtest.h>

#include <variant>
#include <vector>

using namespace lexaroo;

namespace {

// A field the test reads: a number or a string, with the value expected.
using Field = std::variant<int, const char*>;

struct ReadCase {
    const char* name;
    QByteArray text;
    std::vector<Field> fields;           // read in order, all must succeed...
    FieldError error = FieldError::None; // ...then one more read of kind `failing` fails with this
    bool failingIsNumber = true;
    int errorLine = 0;
};

void RunCase(const ReadCase& c)
{
    SCOPED_TRACE(c.name);
    QByteArray text = c.text;
    QBuffer buffer(&text);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    DelimitedReader reader(buffer);
    for (std::size_t i = 0; i < c.fields.size(); ++i) {
        if (const int* n = std::get_if<int>(&c.fields[i])) {
            std::int16_t value = -1;
            ASSERT_TRUE(reader.ReadNumber(value)) << "field " << i << ": "
                                                  << reader.ErrorText().toStdString();
            EXPECT_EQ(value, *n) << "field " << i;
        } else {
            QString value;
            ASSERT_TRUE(reader.ReadString(value)) << "field " << i << ": "
                                                  << reader.ErrorText().toStdString();
            EXPECT_EQ(value, QString::fromLatin1(std::get<const char*>(c.fields[i])))
                << "field " << i;
        }
    }
    if (c.error == FieldError::None)
        return;
    std::int16_t n = 0;
    QString s;
    EXPECT_FALSE(c.failingIsNumber ? reader.ReadNumber(n) : reader.ReadString(s));
    EXPECT_EQ(reader.Error(), c.error);
    EXPECT_EQ(reader.Line(), c.errorLine);
    EXPECT_FALSE(reader.ErrorText().isEmpty());
    // A failed reader stays failed.
    EXPECT_FALSE(reader.ReadString(s));
}

} // namespace

TEST(DelimitedReader, ReadsFields)
{
    const QByteArray longWord(255, 'a');
    const ReadCase cases[] = {
        {"settings lines", "1,4,1\r\n1\r\n2\r\n1\r\n", {1, 4, 1, 1, 2, 1}},
        {"spaces around numbers, LF ends", "  42  ,-7\n+3\n", {42, -7, 3}},
        {"fields cross line ends", "3\r\n\"cat\"\r\n\"dog\"", {3, "cat", "dog"}},
        {"quoted commas", "\"a, b\",\"c\"  ,\" d \"\r\n", {"a, b", "c", " d "}},
        {"apostrophe and hyphen", "\"don't\"\r\n\"well-known\"\r\n", {"don't", "well-known"}},
        {"unquoted text keeps inner spaces", "  ice cream  ,x\r\n", {"ice cream", "x"}},
        {"blank lines between fields", "1\r\n\r\n   \r\n2\r\n", {1, 2}},
        {"lone CR ends a line", "1\r2\r", {1, 2}},
        {"empty quoted string", "\"\",\"x\"", {"", "x"}},
        {"Latin-1 bytes", "\"caf\xe9\"", {"caf\xe9"}},
        {"255 characters are allowed", '"' + longWord + '"', {longWord.constData()}},
        {"limits of 16 bits", "32767,-32768", {32767, -32768}},
    };
    for (const auto& c : cases)
        RunCase(c);
}

TEST(DelimitedReader, Failures)
{
    const QByteArray tooLong(256, 'a');
    const ReadCase cases[] = {
        {"empty file", "", {}, FieldError::EndOfFile, true, 1},
        {"ends after two fields", "5\r\n\"a\"\r\n", {5, "a"}, FieldError::EndOfFile, false, 3},
        {"word where a number belongs", "abc\r\n", {}, FieldError::NotANumber, true, 1},
        {"number with a fraction", "3.5\r\n", {}, FieldError::NotANumber, true, 1},
        {"number with inner space", "1 2\r\n", {}, FieldError::NotANumber, true, 1},
        {"a quoted number is text", "\"3\"", {}, FieldError::NotANumber, true, 1},
        {"empty field between commas", "1,,2", {1}, FieldError::NotANumber, true, 1},
        {"number beyond 16 bits", "1\r\n40000\r\n", {1}, FieldError::OutOfRange, true, 2},
        {"missing closing quote", "1\r\n\"cat\r\n\"dog\"\r\n", {1}, FieldError::MissingQuote,
         false, 2},
        {"missing closing quote at the end", "\"cat", {}, FieldError::MissingQuote, false, 1},
        {"text after the closing quote", "\"cat\"s\r\n", {}, FieldError::TextAfterQuote, false,
         1},
        {"quoted entry too long", '"' + tooLong + '"', {}, FieldError::TooLong, false, 1},
        {"unquoted entry too long", tooLong + "\r\n", {}, FieldError::TooLong, false, 1},
        {"NUL inside a quoted word", QByteArray("2\r\n\"c\0t\"", 8), {2}, FieldError::NulByte,
         false, 2},
        {"NUL in a number", QByteArray("\0" "3", 2), {}, FieldError::NulByte, true, 1},
    };
    for (const auto& c : cases)
        RunCase(c);
}

TEST(DelimitedReader, LongRunOfTrailingSpacesIsNotAnError)
{
    QByteArray text = "7" + QByteArray(10000, ' ') + "\r\n8";
    QBuffer buffer(&text);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    DelimitedReader reader(buffer);
    std::int16_t a = 0, b = 0;
    ASSERT_TRUE(reader.ReadNumber(a));
    ASSERT_TRUE(reader.ReadNumber(b));
    EXPECT_EQ(a, 7);
    EXPECT_EQ(b, 8);
}

TEST(DelimitedWriter, WritesLinesWithCrLf)
{
    DelimitedWriter w;
    w.Number(1);
    w.Number(-4);
    w.Number(1);
    w.EndLine();
    EXPECT_TRUE(w.String(QStringLiteral("a, b")));
    EXPECT_TRUE(w.String(QStringLiteral("don't")));
    w.EndLine();
    EXPECT_TRUE(w.String(QString()));
    w.EndLine();
    EXPECT_EQ(w.Bytes(), QByteArray("1,-4,1\r\n\"a, b\",\"don't\"\r\n\"\"\r\n"));
}

TEST(DelimitedWriter, RefusesTextItCannotQuote)
{
    const QString bad[] = {
        QStringLiteral("say \"hi\""),
        QStringLiteral("two\r\nlines"),
        QStringLiteral("tab\there"),
        QString(QChar(0x263A)),
    };
    for (const QString& s : bad) {
        DelimitedWriter w;
        EXPECT_FALSE(w.String(s)) << s.toStdString();
        EXPECT_FALSE(DelimitedWriter::Unwritable(s).isEmpty());
        EXPECT_TRUE(w.Bytes().isEmpty());
    }
    // Latin-1 letters are stored as single bytes.
    DelimitedWriter w;
    EXPECT_TRUE(w.String(QStringLiteral("caf\u00e9")));
    EXPECT_EQ(w.Bytes(), QByteArray("\"caf\xe9\""));
}

TEST(DelimitedText, WrittenTextReadsBack)
{
    DelimitedWriter w;
    w.Number(3);
    w.EndLine();
    const char* words[] = {"it's", "x-ray", "a,b", " spaced "};
    for (const char* word : words) {
        ASSERT_TRUE(w.String(QString::fromLatin1(word)));
        w.EndLine();
    }
    QByteArray text = w.Bytes();
    QBuffer buffer(&text);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    DelimitedReader reader(buffer);
    std::int16_t n = 0;
    ASSERT_TRUE(reader.ReadNumber(n));
    EXPECT_EQ(n, 3);
    for (const char* word : words) {
        QString s;
        ASSERT_TRUE(reader.ReadString(s));
        EXPECT_EQ(s, QString::fromLatin1(word));
    }
}
