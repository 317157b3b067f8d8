#pragma once
#include "GameState.h"
#include "Platform.h"

#include <QByteArray>
#include <array>
#include <functional>

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

// Runs step(1)..step(steps) at a visible pace, `secondsPerStep` apart,
// repainting between steps and holding user input until the last has run.
void Animate(Platform& platform, int steps, double secondsPerStep,
             const std::function<void(int)>& step);

// Reads a sound effect from the program folder.
SoundImage LoadEffect(GameState& state, const QString& name);

} // namespace lexaroo
