#pragma once
#include "GameState.h"
#include "Platform.h"

#include <QByteArray>
#include <array>

namespace lexaroo {

// A sound held in memory: the complete bytes of a WAV file. Empty = silence.
using SoundImage = QByteArray;

// Wait flags of PlaySoundData.
constexpr int kSoundWait = 0;   // return when the sound has finished
constexpr int kSoundNoWait = 1; // return at once

// Play order of the words, indexed 1..n.
using WordOrder = std::array<int, kMaxWords + 1>;

// Blocks for the given seconds (repaints, holds input).
void Pause(Platform& platform, double seconds);

// Reads a whole file. SoundMissing is 1 when the file does not exist or is
// empty; any other failure gives an empty image with SoundMissing 0.
SoundImage LoadSoundFile(GameState& state, const QString& path);

// Plays an image; an empty one returns at once. A new sound cuts the last.
void PlaySoundData(Platform& platform, const SoundImage& image, int waitFlag);

// Fills order(1..n) with a random permutation of 1..n.
void ShuffleOrder(Random& random, int n, WordOrder& order);

// Plays the word's recording. False (and nothing played) when there is none:
// the caller then uses its fallback.
bool SayWord(GameState& state, Platform& platform, const QString& word, int waitFlag);

// Reads a sound effect from the program folder.
SoundImage LoadEffect(GameState& state, const QString& name);

} // namespace lexaroo
