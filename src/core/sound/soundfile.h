// A sound file opened for reading with libsndfile, from a path or from bytes in memory, so that
// its length is the length of what it plays. libsndfile reads no frame past the length a header
// gives, and for an MP3 without a Xing or Info frame that length is only guessed from the file's
// size and its first frame's bit rate: a variable-rate MP3 would then play cut short. Such a file
// is opened so that its length is unknown (SF_COUNT_MAX) and it is read to its real end.
#pragma once

#include <QByteArray>
#include <QString>

#include <sndfile.h>

#include <memory>

class QIODevice;

namespace corvalin::sound {

class SoundFile {
public:
    explicit SoundFile(const QString& path);
    explicit SoundFile(const QByteArray& bytes);
    ~SoundFile();
    SoundFile(const SoundFile&) = delete;
    SoundFile& operator=(const SoundFile&) = delete;

    // Null when libsndfile cannot read it as sound.
    SNDFILE* handle() const { return m_handle; }
    // Its format, rate, channels and frames (SF_COUNT_MAX when the length is not known).
    const SF_INFO& info() const { return m_info; }
    bool lengthKnown() const { return m_handle && m_info.frames != SF_COUNT_MAX; }

    // Where libsndfile reads from; public for the callbacks only.
    struct Source {
        QIODevice* device = nullptr;
        bool endUnknown = false;  // the end of the file cannot be sought (see above)
    };

private:
    void open();

    std::unique_ptr<QIODevice> m_device;
    Source m_source;
    SNDFILE* m_handle = nullptr;
    SF_INFO m_info{};
};

}  // namespace corvalin::sound
