// The bounds of a bell sound, read from a file or from bytes.
#include "sound/soundbounds.h"

#include "sound/bellrules.h"

#include <QFile>

#include <sndfile.h>

#include <algorithm>
#include <cstdio>
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

// Bytes in memory as libsndfile's file.
struct Bytes {
    const QByteArray& bytes;
    sf_count_t position = 0;
};

sf_count_t bytesLength(void* user) {
    return static_cast<Bytes*>(user)->bytes.size();
}

sf_count_t bytesSeek(sf_count_t offset, int whence, void* user) {
    auto* in = static_cast<Bytes*>(user);
    const sf_count_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? in->position : in->bytes.size();
    const sf_count_t to = base + offset;
    if (to < 0) {
        return -1;
    }
    in->position = to;
    return to;
}

sf_count_t bytesRead(void* out, sf_count_t count, void* user) {
    auto* in = static_cast<Bytes*>(user);
    const sf_count_t left = std::max<sf_count_t>(0, in->bytes.size() - in->position);
    const sf_count_t n = std::clamp<sf_count_t>(count, 0, left);
    std::copy_n(in->bytes.constData() + in->position, n, static_cast<char*>(out));
    in->position += n;
    return n;
}

sf_count_t bytesWrite(const void*, sf_count_t, void*) {
    return 0;
}

sf_count_t bytesTell(void* user) {
    return static_cast<Bytes*>(user)->position;
}

}  // namespace

QString headerRefusal(const QString& path) {
    SF_INFO info{};
    SNDFILE* handle = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    const QString why = refusalOf(handle, info, false);
    if (handle) {
        sf_close(handle);
    }
    return why;
}

QString refusalOfBytes(const QByteArray& bytes) {
    Bytes in{bytes};
    SF_VIRTUAL_IO io{bytesLength, bytesSeek, bytesRead, bytesWrite, bytesTell};
    SF_INFO info{};
    SNDFILE* handle = sf_open_virtual(&io, SFM_READ, &info, &in);
    const QString why = refusalOf(handle, info, true);
    if (handle) {
        sf_close(handle);
    }
    return why;
}

}  // namespace corvalin::sound
