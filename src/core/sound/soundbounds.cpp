// The bounds of a bell sound, read from a file or from bytes.
#include "core/sound/soundbounds.h"

#include "engine/sound/bellrules.h"
#include "core/sound/soundfile.h"

#include <sndfile.h>

#include <vector>

namespace corvalin::sound {

namespace {

// The header's refusal; when it gives no length and `count` is set, the frames counted as far as
// the bounds.
QString refusalOf(SNDFILE* handle, const SF_INFO& info, bool count) {
    if (!handle || info.samplerate < 1 || info.channels < 1) {
        return QString();
    }
    if (info.frames != SF_COUNT_MAX) {
        return QString::fromStdString(soundRefusal(info.frames, info.samplerate, info.channels));
    }
    if (!count) {
        return QString();
    }
    const long long most = maxSoundFrames(info.samplerate, info.channels);
    constexpr sf_count_t kChunkFrames = 4096;
    std::vector<float> chunk(static_cast<size_t>(kChunkFrames) * static_cast<size_t>(info.channels));
    long long frames = 0;
    for (;;) {
        const sf_count_t got = sf_readf_float(handle, chunk.data(), kChunkFrames);
        if (got <= 0) {
            return QString();
        }
        frames += got;
        if (frames > most) {
            return QString::fromStdString(unboundedSoundRefusal(info.samplerate, info.channels));
        }
    }
}

}  // namespace

QString headerRefusal(const QString& path) {
    const SoundFile file(path);
    return refusalOf(file.handle(), file.info(), false);
}

QString refusalOfBytes(const QByteArray& bytes) {
    const SoundFile file(bytes);
    return refusalOf(file.handle(), file.info(), true);
}

bool isSound(const QByteArray& bytes) {
    const SoundFile file(bytes);
    if (!file.handle() || file.info().samplerate < 1 || file.info().channels < 1) {
        return false;
    }
    std::vector<float> frame(static_cast<size_t>(file.info().channels));
    return sf_readf_float(file.handle(), frame.data(), 1) == 1;
}

}  // namespace corvalin::sound
