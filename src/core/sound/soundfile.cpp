// Sound files read the way the bells read them.
#include "core/sound/soundfile.h"

#include <QBuffer>
#include <QFile>

#include <cstdio>

namespace corvalin::sound {

namespace {

using Source = SoundFile::Source;

sf_count_t sourceLength(void* user) {
    return static_cast<Source*>(user)->device->size();
}

sf_count_t sourceSeek(sf_count_t offset, int whence, void* user) {
    auto* in = static_cast<Source*>(user);
    if (whence == SEEK_END && in->endUnknown) {
        return -1;
    }
    const sf_count_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? in->device->pos() : in->device->size();
    const sf_count_t to = base + offset;
    if (to < 0 || !in->device->seek(to)) {
        return -1;
    }
    return to;
}

sf_count_t sourceRead(void* out, sf_count_t count, void* user) {
    const qint64 got = static_cast<Source*>(user)->device->read(static_cast<char*>(out), count);
    return got < 0 ? 0 : got;
}

sf_count_t sourceWrite(const void*, sf_count_t, void*) {
    return 0;
}

sf_count_t sourceTell(void* user) {
    return static_cast<Source*>(user)->device->pos();
}

}  // namespace

SoundFile::SoundFile(const QString& path) : m_device(std::make_unique<QFile>(path)) {
    open();
}

SoundFile::SoundFile(const QByteArray& bytes) : m_device(std::make_unique<QBuffer>()) {
    static_cast<QBuffer*>(m_device.get())->setData(bytes);
    open();
}

SoundFile::~SoundFile() {
    if (m_handle) {
        sf_close(m_handle);
    }
}

void SoundFile::open() {
    if (!m_device->open(QIODevice::ReadOnly) || m_device->isSequential()) {
        return;
    }
    m_source.device = m_device.get();
    SF_VIRTUAL_IO io{sourceLength, sourceSeek, sourceRead, sourceWrite, sourceTell};
    m_handle = sf_open_virtual(&io, SFM_READ, &m_info, &m_source);
    if (!m_handle || (m_info.format & SF_FORMAT_TYPEMASK) != SF_FORMAT_MPEG) {
        return;
    }
    // An MP3 is opened again with its end out of sight: its length is then the one its Xing or
    // Info frame gives, or, with none, not known, instead of guessed from the file's size.
    sf_close(m_handle);
    m_info = SF_INFO{};
    m_source.endUnknown = true;
    m_device->seek(0);
    m_handle = sf_open_virtual(&io, SFM_READ, &m_info, &m_source);
}

}  // namespace corvalin::sound
