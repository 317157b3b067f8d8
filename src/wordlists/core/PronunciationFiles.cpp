#include "PronunciationFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace lexaroo {

void CleanUpEmptySounds(const QString& folder)
{
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    // Name filters ignore case, so "WORD.WAV" counts too. Links are left
    // alone: the file they point to is not ours to judge.
    const QFileInfoList files =
        dir.entryInfoList({QStringLiteral("*.wav")}, QDir::Files | QDir::NoSymLinks);
    for (const QFileInfo& info : files) {
        if (info.size() == 0)
            QFile::remove(info.absoluteFilePath());
    }
}

} // namespace lexaroo
