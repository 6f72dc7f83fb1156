// A long sound in a small file: silence packed by FLAC, under whatever name the test gives it (a
// ".wav" name included: libsndfile reads a file by its content).
#pragma once

#include <QFile>
#include <QString>

#include <sndfile.h>

#include <vector>

// Writes `seconds` of 16-bit silence at 8 kHz mono as FLAC, a few kilobytes a minute, in chunks.
// The header's frame count is then set to `claimedFrames` when it is given: 0 for a length the
// header does not say (as a streaming encoder leaves it), or any number the header is to claim.
inline bool writeLongSilence(const QString& path, int seconds, long long claimedFrames = -1) {
    constexpr int kRate = 8000;
    SF_INFO info{};
    info.samplerate = kRate;
    info.channels = 1;
    info.format = SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file) {
        return false;
    }
    const std::vector<short> second(kRate, 0);
    bool written = true;
    for (int i = 0; i < seconds && written; ++i) {
        written = sf_writef_short(file, second.data(), kRate) == kRate;
    }
    sf_close(file);
    if (!written || claimedFrames < 0) {
        return written;
    }
    // STREAMINFO follows "fLaC" and its 4-byte block header; its 36-bit count of frames starts in
    // the low half of byte 13 of the block.
    QFile packed(path);
    if (!packed.open(QIODevice::ReadWrite)) {
        return false;
    }
    QByteArray bytes = packed.readAll();
    if (bytes.size() < 42 || !bytes.startsWith("fLaC") || (bytes[4] & 0x7f) != 0) {
        return false;
    }
    const auto frames = static_cast<unsigned long long>(claimedFrames);
    bytes[21] = static_cast<char>((bytes[21] & 0xf0) | ((frames >> 32) & 0x0f));
    for (int i = 0; i < 4; ++i) {
        bytes[22 + i] = static_cast<char>((frames >> (24 - 8 * i)) & 0xff);
    }
    return packed.seek(0) && packed.write(bytes) == bytes.size();
}
