// The help file in the program folder: a contents page and one topic for
// each number the windows open, each describing its window's controls, with
// links that all lead somewhere.
#include "HelpFile.h"
#include "TestFiles.h"

#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

#include <vector>

using namespace lexaroo;
using lexaroo::fakes::ProgramFolder;

namespace {

// Every topic number a window opens, and words its page must explain: the
// captions of the window's buttons and options.
struct Topic {
    int number;
    std::vector<const char*> mentions;
};

const std::vector<Topic>& Topics()
{
    static const std::vector<Topic> topics{
        {1, {"New List", "Open List", "Built-In List", "Save List", "Print List", "Record List",
             "Record", "Play", "Stop", "Exit"}},
        {2, {"Say Word", "Show Word?", "Next Word", "Words Left", "Stop", "points"}},
        {3, {"Flash Word", "Slow", "Fast", "Say Word?", "Next Word", "points", "Case?", "Lower",
             "Upper", "Grade Level", "Which List?", "OK", "Cancel"}},
        {4, {"pan button", "Next Word", "Words Left", "Stop", "points"}},
        {5, {"arrow keys", "Flash Word", "Slow", "Fast", "Next Word", "Stop", "points"}},
        {6, {"Wrong Letters", "Next Word", "Words Left", "Stop", "10 points"}},
        {7, {"Unordered", "Ordered", "Hint", "Start Over", "Order Words", "New List", "Stop",
             "Exit"}},
        {8, {"Words to Find", "Check Word", "Clear Highlight", "New Puzzle", "Print Puzzle", "Stop",
             "Exit"}},
        {9, {"Backspace", "New", "Print", "Stop", "Exit"}},
        {11, {"OK", "Enter", "Shift", "Caps Lock", "words per minute", "Accuracy", "Stop"}},
        {12, {"Next Word", "Previous Word", "Say", "Spell", "Stop"}},
    };
    return topics;
}

HelpFileContents ReadProgramHelp() { return ReadHelpFile(ProgramFolder() + "lexaroo.hlp"); }

QSet<QString> Links(const QString& html)
{
    static const QRegularExpression href(QStringLiteral("href\\s*=\\s*\"([^\"]*)\""));
    QSet<QString> links;
    for (auto it = href.globalMatch(html); it.hasNext();)
        links.insert(it.next().captured(1));
    return links;
}

QString PlainText(QString html)
{
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    return html.remove(tag).simplified();
}

} // namespace

TEST(HelpContents, HasTheContentsAndExactlyTheTopicsTheWindowsOpen)
{
    const auto help = ReadProgramHelp();
    ASSERT_TRUE(help.error.isEmpty()) << help.error.toStdString();
    QList<int> expected{0};
    for (const auto& t : Topics())
        expected.append(t.number);
    EXPECT_EQ(help.topics.keys(), expected);
    for (const auto& topic : help.topics) {
        SCOPED_TRACE(topic.number);
        EXPECT_FALSE(topic.title.isEmpty());
        EXPECT_GT(PlainText(topic.html).size(), 300) << "a topic should explain its window";
    }
}

TEST(HelpContents, ContentsLinksToEveryTopic)
{
    const auto help = ReadProgramHelp();
    ASSERT_TRUE(help.topics.contains(0));
    const QSet<QString> links = Links(help.topics[0].html);
    for (const auto& t : Topics())
        EXPECT_TRUE(links.contains(QStringLiteral("topic:%1").arg(t.number))) << t.number;
}

TEST(HelpContents, EveryLinkLeadsToATopic)
{
    const auto help = ReadProgramHelp();
    for (const auto& topic : help.topics) {
        for (const QString& link : Links(topic.html)) {
            const int target = TopicFromLink(link);
            EXPECT_TRUE(help.topics.contains(target))
                << "topic " << topic.number << " links to " << link.toStdString();
        }
    }
}

TEST(HelpContents, EachTopicExplainsItsWindowsControls)
{
    const auto help = ReadProgramHelp();
    for (const auto& t : Topics()) {
        ASSERT_TRUE(help.topics.contains(t.number)) << t.number;
        const QString text = PlainText(help.topics[t.number].html);
        for (const char* word : t.mentions)
            EXPECT_TRUE(text.contains(QLatin1String(word)))
                << "topic " << t.number << " does not mention \"" << word << "\"";
    }
}
