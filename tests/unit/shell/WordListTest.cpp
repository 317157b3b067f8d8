#include "WordList.h"

#include <gtest/gtest.h>

using namespace lexaroo;

namespace {
GameState WithWords(std::initializer_list<std::pair<int, const char*>> words)
{
    GameState s;
    for (const auto& [i, w] : words)
        s.Words[i] = QString::fromLatin1(w);
    return s;
}
} // namespace

TEST(CompactList, MovesWordsDownInOrder)
{
    GameState s = WithWords({{1, "cat"}, {5, "dog"}, {30, "emu"}});
    CompactList(s);
    EXPECT_EQ(s.WordCount, 3);
    EXPECT_EQ(s.Words[1], "cat");
    EXPECT_EQ(s.Words[2], "dog");
    EXPECT_EQ(s.Words[3], "emu");
    for (int i = 4; i <= 30; ++i)
        EXPECT_TRUE(s.Words[i].isEmpty()) << i;
}

TEST(CompactList, EmptyAndFullLists)
{
    GameState empty;
    CompactList(empty);
    EXPECT_EQ(empty.WordCount, 0);

    GameState full;
    for (int i = 1; i <= 30; ++i)
        full.Words[i] = QString("w%1").arg(i);
    CompactList(full);
    EXPECT_EQ(full.WordCount, 30);
    EXPECT_EQ(full.Words[30], "w30");
}

TEST(ListCase, Table)
{
    struct Case {
        std::vector<const char*> words;
        int expected;
    };
    const Case cases[] = {
        {{}, 0},
        {{"Cat"}, 3},
        {{"don't", "well-known"}, 1},
        {{"CAT", "DOG"}, 2},
        {{"cat", "DOG"}, 3},
        {{"'-'"}, 0},
    };
    for (const auto& c : cases) {
        GameState s;
        for (size_t i = 0; i < c.words.size(); ++i)
            s.Words[i + 1] = c.words[i];
        s.WordCount = static_cast<std::int16_t>(c.words.size());
        EXPECT_EQ(ComputeListCase(s), c.expected) << (c.words.empty() ? "" : c.words[0]);
    }
}

TEST(NewList, ClearsWordsKeepsFolder)
{
    GameState s = WithWords({{1, "cat"}});
    s.WordCount = 1;
    s.ListSaved = 1;
    s.ListFolder = "/lists/";
    NewList(s);
    EXPECT_EQ(s.ListName, "NONE");
    EXPECT_EQ(s.WordCount, 0);
    EXPECT_TRUE(s.Words[1].isEmpty());
    EXPECT_EQ(s.ListSaved, 0);
    EXPECT_EQ(s.ListFolder, "/lists/");
}

TEST(PronunciationFile, FirstEightCharactersOfTheWord)
{
    GameState s;
    s.ListFolder = "/home/ann/lists/";
    EXPECT_EQ(PronunciationPath(s, "cat"), "/home/ann/lists/cat.wav");
    EXPECT_EQ(PronunciationPath(s, "elephant"), "/home/ann/lists/elephant.wav");
    // A 12-letter word and a 9-letter word share the file of their first 8.
    EXPECT_EQ(PronunciationPath(s, "elephantine1"), "/home/ann/lists/elephant.wav");
    EXPECT_EQ(PronunciationPath(s, "elephants"), "/home/ann/lists/elephant.wav");
    s.ListFolder.clear();
    EXPECT_EQ(PronunciationPath(s, "dog"), "dog.wav");
    // Words from a hand-made file never lead outside the list's folder.
    s.ListFolder = "/home/ann/lists/";
    EXPECT_EQ(PronunciationPath(s, "../../etc"), "/home/ann/lists/.._.._et.wav");
    EXPECT_EQ(PronunciationPath(s, "a\\b"), "/home/ann/lists/a_b.wav");
}
