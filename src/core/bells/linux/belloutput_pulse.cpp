// Bells through libpulse; see belloutput_pulse.h.
#include "core/bells/linux/belloutput_pulse.h"

#include "engine/sound/bellrules.h"
#include "core/sound/soundfile.h"
#include "core/bells/linux/pulseconnection.h"

#include <QFile>
#include <QFileInfo>
#include <QObject>

#include <pulse/pulseaudio.h>
#include <sndfile.h>
#include <sys/stat.h>

#include <algorithm>
#include <map>
#include <new>
#include <vector>

// ---------------------------------------------------------------------------------------------
// Decoding

namespace {

struct Sound {
    std::vector<float> samples;  // interleaved frames
    int channels = 0;
    int rate = 0;

    size_t bytes() const { return samples.size() * sizeof(float); }
};

using corvalin::sound::SoundFile;

// The whole file as float samples; nothing when it cannot be read or holds no sound, and nothing,
// with the reason in `refusal`, when it is beyond the bounds of a bell sound. The header is read
// first: a sound it says is too long is never decoded, and one whose header lies or gives no length
// is decoded no further than the bounds, and not kept.
std::shared_ptr<const Sound> decode(const QString& path, QString* refusal) {
    const SoundFile file(path);
    const SF_INFO& info = file.info();
    if (!file.handle() || info.channels < 1 || info.channels > static_cast<int>(PA_CHANNELS_MAX) ||
        info.samplerate < 1 || static_cast<unsigned>(info.samplerate) > PA_RATE_MAX) {
        return nullptr;
    }
    const long long mostFrames = corvalin::sound::maxSoundFrames(info.samplerate, info.channels);
    const bool lengthKnown = file.lengthKnown();
    if (lengthKnown && info.frames > mostFrames) {
        *refusal = QString::fromStdString(
            corvalin::sound::soundRefusal(info.frames, info.samplerate, info.channels));
        return nullptr;
    }
    auto out = std::make_shared<Sound>();
    out->channels = info.channels;
    out->rate = info.samplerate;
    const auto channels = static_cast<size_t>(out->channels);
    const size_t mostSamples = static_cast<size_t>(mostFrames) * channels;
    try {
        // The header's frame count is a hint only: some formats know it just roughly.
        if (lengthKnown && info.frames > 0) {
            out->samples.reserve(static_cast<size_t>(info.frames) * channels);
        }
        constexpr sf_count_t kChunkFrames = 16384;
        std::vector<float> chunk(static_cast<size_t>(kChunkFrames) * channels);
        for (;;) {
            const sf_count_t got = sf_readf_float(file.handle(), chunk.data(), kChunkFrames);
            if (got <= 0) {
                break;
            }
            const size_t samples = static_cast<size_t>(got) * channels;
            if (out->samples.size() + samples > mostSamples) {
                *refusal =
                    QString::fromStdString(corvalin::sound::unboundedSoundRefusal(out->rate, out->channels));
                return nullptr;
            }
            if (out->samples.capacity() < out->samples.size() + samples) {
                // Grown by doubling, as insert() would, but never past the bounds.
                out->samples.reserve(std::min(
                    mostSamples, std::max(out->samples.size() + samples, 2 * out->samples.capacity())));
            }
            out->samples.insert(out->samples.end(), chunk.begin(),
                                chunk.begin() + static_cast<std::ptrdiff_t>(samples));
        }
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    if (out->samples.empty()) {
        return nullptr;
    }
    return out;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Decoded sounds kept in memory

// Sounds by path, each good while the file has the same size, modification time and identity.
// Decoded on the bell thread at the first play() of a file, shared with the playing stream. A
// sound beyond the bounds of a bell is kept as its refusal, so that it is not read again until the
// file changes.
class PulseBellOutput::SoundCache {
public:
    // More than this many bytes of samples and the sounds least recently played are dropped.
    static constexpr size_t kMaxBytes = size_t{256} << 20;

    // The sound; nothing when it cannot be played, with the reason in `refusal` when it is refused
    // for its length or size.
    std::shared_ptr<const Sound> get(const QString& path, QString* refusal) {
        const std::optional<Stamp> before = stampOf(path);
        const auto it = entries_.find(path);
        if (it != entries_.end() && before && it->second.stamp == *before) {
            it->second.lastUse = ++uses_;
            *refusal = it->second.refusal;
            return it->second.sound;
        }
        if (it != entries_.end()) {
            bytes_ -= it->second.bytes();
            entries_.erase(it);
        }
        if (!before) {
            return nullptr;  // gone, or not a plain file
        }
        std::shared_ptr<const Sound> sound = decode(path, refusal);
        // A file rewritten while it was read plays as read, but is read again next time.
        if ((!sound && refusal->isEmpty()) || stampOf(path) != before) {
            return sound;
        }
        entries_[path] = Entry{*before, sound, *refusal, ++uses_};
        bytes_ += entries_[path].bytes();
        dropLeastUsed();
        return sound;
    }

private:
    struct Stamp {
        off_t size;
        time_t seconds;
        long nanoseconds;
        ino_t inode;
        dev_t device;
        bool operator==(const Stamp&) const = default;
    };
    struct Entry {
        Stamp stamp;
        std::shared_ptr<const Sound> sound;  // nothing for a refused one
        QString refusal;
        quint64 lastUse;

        size_t bytes() const { return sound ? sound->bytes() : 0; }
    };

    static std::optional<Stamp> stampOf(const QString& path) {
        struct stat st {};
        if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode)) {
            return std::nullopt;
        }
        return Stamp{st.st_size, st.st_mtim.tv_sec, st.st_mtim.tv_nsec, st.st_ino, st.st_dev};
    }

    void dropLeastUsed() {
        while (bytes_ > kMaxBytes && entries_.size() > 1) {
            const auto oldest = std::min_element(
                entries_.begin(), entries_.end(),
                [](const auto& a, const auto& b) { return a.second.lastUse < b.second.lastUse; });
            bytes_ -= oldest->second.bytes();
            entries_.erase(oldest);
        }
    }

    std::map<QString, Entry> entries_;
    size_t bytes_ = 0;
    quint64 uses_ = 0;
};

// ---------------------------------------------------------------------------------------------
// One bell on the server

namespace {

// A stream let go before the server made it cannot be disconnected yet: it is ended as soon as it
// is made. The context keeps it alive until then.
void endWhenReady(pa_stream* stream, void*) {
    if (pa_stream_get_state(stream) == PA_STREAM_READY) {
        pa_stream_disconnect(stream);
    }
}

}  // namespace

// Made on the bell thread; its stream's callbacks run on the connection's event thread. Every
// field is touched only with the connection's lock held, or before the stream exists.
struct PulseBellOutput::Playback {
    PulseBellOutput* owner = nullptr;
    QObject* notifier = nullptr;
    quint64 generation = 0;
    std::shared_ptr<const Sound> sound;
    pa_sample_spec format{};
    size_t frameBytes = 0;
    bool loop = false;

    pa_stream* stream = nullptr;
    pa_operation* drain = nullptr;
    size_t position = 0;       // bytes of samples already written
    bool onNamedSink = false;  // connecting to a named sink: failing there falls back to the default
    bool failed = false;
    bool held = false;          // prepared: corked until start(), its failures not reported
    bool openedCorked = false;  // the stream was asked for corked

    // Makes a stream on the context and asks the server to play it on the sink (the default one for
    // nullptr). False when libpulse refuses at once.
    bool open(pa_context* context, const char* sink) {
        pa_proplist* props = pa_proplist_new();
        pa_proplist_sets(props, PA_PROP_MEDIA_NAME, "Bell");
        pa_channel_map map;
        pa_channel_map_init_extend(&map, format.channels, PA_CHANNEL_MAP_WAVEEX);
        stream = pa_stream_new_with_proplist(context, "Bell", &format, &map, props);
        pa_proplist_free(props);
        if (!stream) {
            return false;
        }
        position = 0;
        onNamedSink = sink != nullptr;
        pa_stream_set_state_callback(stream, onState, this);
        pa_stream_set_write_callback(stream, onWritable, this);
        pa_buffer_attr attr;
        attr.maxlength = static_cast<uint32_t>(-1);
        attr.tlength = static_cast<uint32_t>(pa_usec_to_bytes(200 * PA_USEC_PER_MSEC, &format));
        attr.prebuf = static_cast<uint32_t>(-1);
        attr.minreq = static_cast<uint32_t>(-1);
        attr.fragsize = static_cast<uint32_t>(-1);
        openedCorked = held;
        const auto flags =
            static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY | (held ? PA_STREAM_START_CORKED : 0));
        if (pa_stream_connect_playback(stream, sink, &attr, flags, nullptr, nullptr) < 0) {
            release();
            return false;
        }
        return true;
    }

    // A prepared bell starts: its stream is uncorked now, or as soon as the server has made it.
    void start() {
        held = false;
        if (stream && pa_stream_get_state(stream) == PA_STREAM_READY) {
            uncork();
        }
    }

    void uncork() {
        if (pa_operation* op = pa_stream_cork(stream, 0, nullptr, nullptr)) {
            pa_operation_unref(op);
        }
        drainIfWritten();
    }

    // The last samples are written: the drain plays out all of them, and also starts playback of
    // a sound shorter than the stream's pre-buffer. A held stream drains once it starts.
    void drainIfWritten() {
        if (!held && !loop && stream && position == sound->bytes() && !drain) {
            drain = pa_stream_drain(stream, onDrained, this);
        }
    }

    // The whole sound has played: the stream goes, so that no sink is kept running between bells.
    static void onDrained(pa_stream*, int success, void* userdata) {
        auto* self = static_cast<Playback*>(userdata);
        pa_operation_unref(self->drain);  // the context holds its own until the operation is done
        self->drain = nullptr;
        if (success) {
            self->release();
            if (!self->held) {
                QMetaObject::invokeMethod(
                    self->notifier,
                    [owner = self->owner, generation = self->generation] {
                        owner->reportFinished(generation);
                    },
                    Qt::QueuedConnection);
            }
        }
    }

    // Whether a prepared bell can still start.
    bool usable() const {
        if (failed || !stream) {
            return false;
        }
        const pa_stream_state_t state = pa_stream_get_state(stream);
        return state == PA_STREAM_READY || state == PA_STREAM_CREATING;
    }

    // Lets the stream go without waiting: its callbacks stop at once, the server is told to end it.
    void release() {
        if (drain) {
            if (pa_operation_get_state(drain) == PA_OPERATION_RUNNING) {
                pa_operation_cancel(drain);
            }
            pa_operation_unref(drain);
            drain = nullptr;
        }
        if (stream) {
            pa_stream_set_write_callback(stream, nullptr, nullptr);
            pa_stream_set_state_callback(stream, endWhenReady, nullptr);
            endWhenReady(stream, nullptr);
            pa_stream_unref(stream);
            stream = nullptr;
        }
    }

    // Tells the window, through its event loop, that the bell stopped sounding.
    void fail(int error) {
        if (failed) {
            return;
        }
        failed = true;
        if (held) {
            return;  // nobody hears a prepared bell: play() makes a new stream instead
        }
        const QString reason =
            QStringLiteral("the sound server ended the bell: %1").arg(QString::fromUtf8(pa_strerror(error)));
        QMetaObject::invokeMethod(
            notifier,
            [owner = owner, generation = generation, reason] { owner->reportFailure(generation, reason); },
            Qt::QueuedConnection);
    }

    static void onState(pa_stream* s, void* userdata) {
        auto* self = static_cast<Playback*>(userdata);
        switch (pa_stream_get_state(s)) {
            case PA_STREAM_READY:
                self->onNamedSink = false;
                if (!self->held && self->openedCorked) {
                    self->uncork();  // started while the server was still making it
                }
                break;
            case PA_STREAM_FAILED: {
                pa_context* context = pa_stream_get_context(s);
                const int error = context ? pa_context_errno(context) : PA_ERR_UNKNOWN;
                const bool fallBack =
                    self->onNamedSink && context && pa_context_get_state(context) == PA_CONTEXT_READY;
                self->release();
                // The named sink went away between the last list and the stream: the bell goes
                // to the default sink, as it would have had the list been current.
                if (fallBack && self->open(context, nullptr)) {
                    return;
                }
                self->fail(error);
                break;
            }
            default:
                break;
        }
    }

    // Runs whenever the server wants more samples.
    static void onWritable(pa_stream* s, size_t wanted, void* userdata) {
        auto* self = static_cast<Playback*>(userdata);
        const auto* bytes = reinterpret_cast<const char*>(self->sound->samples.data());
        const size_t total = self->sound->bytes();
        wanted -= wanted % self->frameBytes;
        while (wanted > 0) {
            if (self->position == total) {
                if (!self->loop) {
                    break;
                }
                self->position = 0;  // a loop is the samples written again
            }
            const size_t chunk = std::min(wanted, total - self->position);
            if (pa_stream_write(s, bytes + self->position, chunk, nullptr, 0, PA_SEEK_RELATIVE) < 0) {
                return;
            }
            self->position += chunk;
            wanted -= chunk;
        }
        self->drainIfWritten();
    }
};

// ---------------------------------------------------------------------------------------------
// PulseBellOutput

PulseBellOutput::PulseBellOutput(PulseConnection& connection)
    : connection_(connection),
      cache_(std::make_unique<SoundCache>()),
      notifier_(std::make_unique<QObject>()) {}

PulseBellOutput::~PulseBellOutput() {
    stop();
    dropPrepared();
    if (devicesHandlerKey_ != 0) {
        connection_.removeDevicesChangedHandler(devicesHandlerKey_);
    }
    if (connectionHandlerKey_ != 0) {
        connection_.removeConnectionHandler(connectionHandlerKey_);
    }
    notifier_.reset();  // drops failure reports not delivered yet
}

QList<OutputDevice> PulseBellOutput::devices() {
    QList<OutputDevice> list{OutputDevice{QString(), QStringLiteral("Default output")}};
    list.append(connection_.sinks());
    return list;
}

QString PulseBellOutput::defaultDeviceId() const {
    return connection_.defaultSink();
}

std::unique_ptr<PulseBellOutput::Playback> PulseBellOutput::openPlayback(const QString& deviceId,
                                                                         const QString& path, bool loop,
                                                                         bool held) {
    refusal_.clear();
    std::shared_ptr<const Sound> sound = cache_->get(path, &refusal_);
    if (!sound) {
        return nullptr;
    }
    auto playback = std::make_unique<Playback>();
    playback->owner = this;
    playback->notifier = notifier_.get();
    playback->generation = generation_;
    playback->sound = std::move(sound);
    playback->format.format = PA_SAMPLE_FLOAT32NE;
    playback->format.rate = static_cast<uint32_t>(playback->sound->rate);
    playback->format.channels = static_cast<uint8_t>(playback->sound->channels);
    playback->frameBytes = pa_frame_size(&playback->format);
    playback->loop = loop;
    playback->held = held;
    if (!pa_sample_spec_valid(&playback->format)) {
        return nullptr;
    }
    const QByteArray sink = deviceId.toUtf8();
    PulseConnection::Lock lock(connection_);
    pa_context* context = connection_.readyContext();
    if (!context) {
        return nullptr;
    }
    const bool named = !deviceId.isEmpty() && connection_.hasSink(deviceId);
    if (!playback->open(context, named ? sink.constData() : nullptr)) {
        return nullptr;
    }
    return playback;
}

bool PulseBellOutput::play(const QString& deviceId, const QString& path, bool loop) {
    stop();
    refusal_.clear();
    if (prepared_ && preparedDevice_ == deviceId && preparedPath_ == path && prepared_->loop == loop) {
        PulseConnection::Lock lock(connection_);
        if (prepared_->usable()) {
            prepared_->generation = generation_;
            prepared_->start();
            playback_ = std::move(prepared_);
            return true;
        }
        prepared_->release();
        prepared_.reset();
    }
    playback_ = openPlayback(deviceId, path, loop, false);
    return playback_ != nullptr;
}

bool PulseBellOutput::prepare(const QString& deviceId, const QString& path, bool loop) {
    dropPrepared();
    prepared_ = openPlayback(deviceId, path, loop, true);
    preparedDevice_ = deviceId;
    preparedPath_ = path;
    return prepared_ != nullptr;
}

void PulseBellOutput::dropPrepared() {
    if (!prepared_) {
        return;
    }
    {
        PulseConnection::Lock lock(connection_);
        prepared_->release();
    }
    prepared_.reset();
}

void PulseBellOutput::stop() {
    ++generation_;
    if (!playback_) {
        return;
    }
    {
        PulseConnection::Lock lock(connection_);
        playback_->release();
    }
    playback_.reset();
}

bool PulseBellOutput::isPresent() const {
    return playback_ != nullptr;
}

std::optional<qint64> PulseBellOutput::lengthMs(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        return std::nullopt;
    }
    // The length of what plays: the decoded sound's (which play() then finds decoded), not the
    // header's, which a FLAC written as a stream leaves unsaid and an MP3 may only guess.
    QString refused;
    if (const std::shared_ptr<const Sound> sound = cache_->get(path, &refused)) {
        return static_cast<qint64>(sound->samples.size() / static_cast<size_t>(sound->channels)) * 1000 /
               sound->rate;
    }
    // A sound refused for its length has the length its header gives; no other has one.
    const SoundFile file(path);
    if (!file.lengthKnown() || file.info().samplerate <= 0 || file.info().frames < 0) {
        return std::nullopt;
    }
    return static_cast<qint64>(file.info().frames) * 1000 / file.info().samplerate;
}

void PulseBellOutput::setDevicesChangedHandler(std::function<void()> handler) {
    if (devicesHandlerKey_ != 0) {
        connection_.removeDevicesChangedHandler(devicesHandlerKey_);
        devicesHandlerKey_ = 0;
    }
    if (handler) {
        devicesHandlerKey_ = connection_.addDevicesChangedHandler(std::move(handler));
    }
}

void PulseBellOutput::setFailureHandler(std::function<void(const QString& reason)> handler) {
    onFailure_ = std::move(handler);
}

bool PulseBellOutput::isConnected() const {
    return connection_.isReady();
}

void PulseBellOutput::setConnectionHandler(std::function<void(bool connected)> handler) {
    if (connectionHandlerKey_ != 0) {
        connection_.removeConnectionHandler(connectionHandlerKey_);
        connectionHandlerKey_ = 0;
    }
    if (handler) {
        connectionHandlerKey_ = connection_.addConnectionHandler(std::move(handler));
    }
}

void PulseBellOutput::reportFinished(quint64 generation) {
    // Only the bell that sounds now: not one stopped or followed by another since.
    if (generation == generation_ && onFinished_) {
        onFinished_();
    }
}

void PulseBellOutput::reportFailure(quint64 generation, const QString& reason) {
    // A report that arrives after the next play() or stop() is about a bell no longer wanted.
    if (generation == generation_ && onFailure_) {
        onFailure_(reason);
    }
}
