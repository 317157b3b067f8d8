#pragma once
#include <QString>
#include <array>
#include <cstdint>

namespace lexaroo {

constexpr int kMaxWords = 30;

// The one program-wide state: the current list, the user's settings and the
// results of the last scored game. Windows exchange data only through it.
// Arrays are indexed 1..30; index 0 is unused.
struct GameState {
    // The list.
    std::array<QString, kMaxWords + 1> Words{};
    std::int16_t WordCount = 0;
    QString ListName;
    QString ListFolder;     // ends in a separator, or empty
    std::int16_t ListSaved = 0;
    std::int16_t ListCase = 0; // 0 none, 1 lower only, 2 upper only, 3 both

    // Settings, kept in the settings file.
    std::int16_t BuiltInCase = 1;
    std::int16_t BuiltInGrade = 4;
    std::int16_t BuiltInList = 1;
    std::int16_t BeeShowWord = 1;
    std::int16_t HatSayWord = 1;
    std::int16_t GameSpeed = 2;

    // Results of the last scored game.
    std::int16_t WordsTried = 0;
    std::int16_t WordsMissed = 0;
    std::int16_t ScorePoints = 0;
    std::array<std::int16_t, kMaxWords + 1> WordStatus{};

    QString AppFolder; // ends in a separator
    std::int16_t SoundMissing = 0;
    std::int16_t BuiltInCancelled = 0;

    void SetDefaultSettings()
    {
        BuiltInCase = 1;
        BuiltInGrade = 4;
        BuiltInList = 1;
        BeeShowWord = 1;
        GameSpeed = 2;
        HatSayWord = 1;
    }
};

} // namespace lexaroo
