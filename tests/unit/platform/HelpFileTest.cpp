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
    EXPECT_EQ(TopicFromLink("http://example.org"), -1);
}
