#include "Services.h"

#include "WordList.h"

#include <QFile>
#include <QFileInfo>

namespace lexaroo {

void Pause(Platform& platform, double seconds) { platform.clock.Pause(seconds); }

SoundImage LoadSoundFile(GameState& state, const QString& path)
{
    state.SoundMissing = 0;
    const QFileInfo info(path);
    if (!info.exists() || (info.isFile() && info.size() == 0)) {
        state.SoundMissing = 1;
        return {};
    }
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes;
    char block[1024];
    for (;;) {
        const qint64 n = file.read(block, sizeof block);
        if (n < 0)
            return {};
        if (n == 0)
            break;
        bytes.append(block, n);
    }
    if (bytes.isEmpty())
        state.SoundMissing = 1;
    return bytes;
}

void PlaySoundData(Platform& platform, const SoundImage& image, int waitFlag)
{
    if (image.isEmpty())
        return;
    platform.sound.Stop();
    platform.sound.Play(image, waitFlag == kSoundWait);
}

void ShuffleOrder(Random& random, int n, WordOrder& order)
{
    if (n > kMaxWords)
        n = kMaxWords;
    for (int i = 1; i <= n; ++i)
        order[i] = i;
    for (int i = n; i >= 2; --i) {
        const int j = PickOneTo(random, i);
        std::swap(order[i], order[j]);
    }
}

void Animate(Platform& platform, int steps, double secondsPerStep,
             const std::function<void(int)>& step)
{
    platform.clock.Animate(steps, secondsPerStep, step);
}

SoundImage LoadEffect(GameState& state, const QString& name)
{
    return LoadSoundFile(state, state.AppFolder + name);
}

} // namespace lexaroo
