#include "HelpFile.h"

#include <QBuffer>
#include <gtest/gtest.h>

using namespace lexaroo;

TEST(HelpFile, ReadsNumberedTopicsSkippingComments)
{
    QByteArray text = "@# a comment before the topics\n"
                      "ignored preamble\n"
                      "@topic 0 Contents\n"
                      "<p><a href=\"topic:2\">Spelling Bee</a></p>\n"
                      "@topic 2   Spelling Bee  \n"
                      "@# not part of the text\n"
                      "<p>Listen, then spell.</p>\n";
    QBuffer buffer(&text);
    buffer.open(QIODevice::ReadOnly);
    const auto contents = ReadHelpFile(buffer);
    ASSERT_TRUE(contents.error.isEmpty());
    ASSERT_EQ(contents.topics.size(), 2);
    EXPECT_EQ(contents.topics[2].title, "Spelling Bee");
    EXPECT_EQ(contents.topics[2].html, "<p>Listen, then spell.</p>\n");
    EXPECT_TRUE(contents.topics[0].html.contains("topic:2"));
}

TEST(HelpFile, MissingFileGivesAMessageNotTopics)
{
    const auto contents = ReadHelpFile(QStringLiteral("/nonexistent/lexaroo.hlp"));
    EXPECT_TRUE(contents.topics.isEmpty());
    EXPECT_TRUE(contents.error.contains("lexaroo.hlp"));
}

TEST(HelpFile, TopicLinks)
{
    EXPECT_EQ(TopicFromLink("topic:12"), 12);
    EXPECT_EQ(TopicFromLink("topic:0"), 0);
    EXPECT_EQ(TopicFromLink("topic:x"), -1);
    EXPECT_EQ(TopicFromLink("topic:4000000000"), -1);
    EXPECT_EQ(TopicFromLink("http://example.org"), -1);
}

TEST(HelpFile, TopicLinesWithoutAUsableNumberAreIgnored)
{
    // Each line below follows a good contents page and topic 5; none of them
    // may replace either, become another topic, or add to their text.
    const char* badLines[] = {
        "@topic 4000000000 Oops",
        "@topic 99999999999999999999999 Oops",
        "@topic 32768 Oops",
        "@topic -1 Oops",
        "@topic +3 Oops",
        "@topic 7x Oops",
        "@topic Oops",
        "@topic",
        "@topic \xd9\xa3 Oops", // an Arabic-Indic digit three
    };
    for (const char* bad : badLines) {
        SCOPED_TRACE(bad);
        QByteArray text = QByteArray("@topic 0 Contents\n<p>contents</p>\n@topic 5 Five\n<p>five</p>\n")
            + bad + "\n<p>oops</p>\n";
        QBuffer buffer(&text);
        buffer.open(QIODevice::ReadOnly);
        const auto contents = ReadHelpFile(buffer);
        EXPECT_EQ(contents.topics.keys(), (QList<int>{0, 5}));
        EXPECT_EQ(contents.topics[0].title.toStdString(), "Contents");
        EXPECT_EQ(contents.topics[0].html.toStdString(), "<p>contents</p>\n");
        EXPECT_EQ(contents.topics[5].html.toStdString(), "<p>five</p>\n");
    }
    // The largest number still makes a topic; a topic after a bad line is read.
    QByteArray text = "@topic 4000000000 Oops\n<p>oops</p>\n@topic 32767 Last\n<p>last</p>\n"
                      "@topic 0 Contents\n<p>contents</p>\n";
    QBuffer buffer(&text);
    buffer.open(QIODevice::ReadOnly);
    const auto contents = ReadHelpFile(buffer);
    EXPECT_EQ(contents.topics.keys(), (QList<int>{0, 32767}));
    EXPECT_EQ(contents.topics[32767].html.toStdString(), "<p>last</p>\n");
    EXPECT_EQ(contents.topics[0].html.toStdString(), "<p>contents</p>\n");

    // A line that only starts like a topic line is text.
    text = "@topic 1 One\n@topics are pages\n";
    QBuffer words(&text);
    words.open(QIODevice::ReadOnly);
    EXPECT_EQ(ReadHelpFile(words).topics[1].html.toStdString(), "@topics are pages\n");
}
