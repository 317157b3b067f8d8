#include "LetterRules.h"

#include <gtest/gtest.h>

using namespace lexaroo;

TEST(LetterTiles, CaptionsFollowTheListCase)
{
    EXPECT_EQ(TileCaption(0, 1), QChar('a'));
    EXPECT_EQ(TileCaption(25, 1), QChar('z'));
    for (int listCase : {0, 2, 3}) {
        EXPECT_EQ(TileCaption(0, listCase), QChar('A'));
        EXPECT_EQ(TileCaption(25, listCase), QChar('Z'));
    }
    for (int listCase : {0, 1, 2, 3}) {
        EXPECT_EQ(TileCaption(kApostropheTile, listCase), QChar('\''));
        EXPECT_EQ(TileCaption(kHyphenTile, listCase), QChar('-'));
    }
}

TEST(LetterTiles, KeysReachTheirTiles)
{
    EXPECT_EQ(TileForKey('a'), 0);
    EXPECT_EQ(TileForKey('A'), 0);
    EXPECT_EQ(TileForKey('z'), 25);
    EXPECT_EQ(TileForKey('Z'), 25);
    EXPECT_EQ(TileForKey('\''), kApostropheTile);
    EXPECT_EQ(TileForKey('-'), kHyphenTile);
    // Everything else is no letter entry; the codes next to the letter
    // ranges catch an off-by-one.
    for (int code : std::initializer_list<int>{0, ' ', '0', '9', '@', '[', '`', '{', '\r', '.', 0xE9})
        EXPECT_EQ(TileForKey(code), -1) << code;
}

TEST(LetterMatching, CaseAwareRule)
{
    struct Case {
        char expected;
        int tile;
        char typed; // 0 for a tile click
        int listCase;
        bool match;
    };
    const Case cases[] = {
        // A mixed-case list: a typed key must match the case exactly...
        {'A', 0, 'a', 3, false},
        {'A', 0, 'A', 3, true},
        {'a', 0, 'A', 3, false},
        {'a', 0, 'a', 3, true},
        // ...while a tile matches either case.
        {'A', 0, 0, 3, true},
        {'a', 0, 0, 3, true},
        // Any other list ignores case for keys and tiles alike.
        {'a', 0, 'A', 1, true},
        {'a', 0, 'a', 1, true},
        {'a', 0, 0, 1, true},
        {'A', 0, 'a', 2, true},
        {'A', 0, 0, 2, true},
        // Wrong letters stay wrong.
        {'b', 0, 'a', 1, false},
        {'B', 0, 0, 3, false},
        // Apostrophe and hyphen, typed or clicked.
        {'\'', kApostropheTile, '\'', 3, true},
        {'-', kHyphenTile, 0, 1, true},
        {'-', kApostropheTile, 0, 1, false},
        // A character no tile or key can enter never matches.
        {'1', 0, 0, 2, false},
        {' ', kHyphenTile, '-', 3, false},
        {'.', kHyphenTile, 0, 1, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LetterMatches(QChar(c.expected), c.tile, c.typed, c.listCase), c.match)
            << "expected '" << c.expected << "' tile " << c.tile << " typed " << int(c.typed)
            << " ListCase " << c.listCase;
}

TEST(LetterMatching, CaseBlindRuleIgnoresCaseEvenForTypedKeysInAMixedList)
{
    EXPECT_TRUE(LetterMatches(QChar('A'), 0, 'a', 3, CaseRule::CaseBlind));
    EXPECT_TRUE(LetterMatches(QChar('a'), 0, 'A', 3, CaseRule::CaseBlind));
    EXPECT_FALSE(LetterMatches(QChar('b'), 0, 'a', 3, CaseRule::CaseBlind));
}

TEST(LetterMatching, FoldingMovesOnlyCodesAboveNinetySix)
{
    EXPECT_EQ(FoldCode('a'), 'A');
    EXPECT_EQ(FoldCode('z'), 'Z');
    EXPECT_EQ(FoldCode('A'), 'A');
    EXPECT_EQ(FoldCode('\''), '\'');
    EXPECT_EQ(FoldCode('-'), '-');
    EXPECT_EQ(FoldCode('`'), '`');
}
