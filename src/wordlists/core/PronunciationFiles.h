#pragma once
#include <QString>

namespace lexaroo {

// Deletes the empty (0-byte) ".wav" files in the folder: what is left of a
// recording that never started. Other files and non-empty recordings are kept.
// An empty folder means the current folder, where such recordings go.
void CleanUpEmptySounds(const QString& folder);

} // namespace lexaroo
