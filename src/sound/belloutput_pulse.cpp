// Bells through libpulse; see belloutput_pulse.h.
#include "sound/belloutput_pulse.h"

#include <QFile>
#include <QFileInfo>

#include <pulse/pulseaudio.h>
#include <pulse/rtclock.h>
#include <sndfile.h>

#include <algorithm>
#include <new>
#include <vector>

// ---------------------------------------------------------------------------------------------
// PulseSession

namespace {

void wakeOnStateChange(pa_context*, void* userdata) {
    pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(userdata), 0);
}

struct Deadline {
    pa_threaded_mainloop* loop;
    bool passed = false;
};

void deadlinePassed(pa_mainloop_api*, pa_time_event*, const struct timeval*, void* userdata) {
    auto* deadline = static_cast<Deadline*>(userdata);
    deadline->passed = true;
    pa_threaded_mainloop_signal(deadline->loop, 0);
}

}  // namespace

PulseSession::PulseSession(const char* clientName) {
    loop_ = pa_threaded_mainloop_new();
    if (!loop_) {
        return;
    }
    pa_threaded_mainloop_set_name(loop_, "corvalin-pulse");
    pa_proplist* props = pa_proplist_new();
    pa_proplist_sets(props, PA_PROP_APPLICATION_NAME, clientName);
    pa_proplist_sets(props, PA_PROP_APPLICATION_ID, "corvalin");
    context_ = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(loop_), clientName, props);
    pa_proplist_free(props);
    if (!context_) {
        return;
    }
    pa_context_set_state_callback(context_, wakeOnStateChange, loop_);
    if (pa_threaded_mainloop_start(loop_) < 0) {
        return;
    }
    Lock lock(*this);
    // No autospawn: a bell must not wait for a sound server to be started on its behalf.
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        return;
    }
    waitFor([this] { return pa_context_get_state(context_) == PA_CONTEXT_READY; });
}

PulseSession::~PulseSession() {
    if (loop_ && context_) {
        Lock lock(*this);
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_disconnect(context_);
    }
    if (loop_) {
        pa_threaded_mainloop_stop(loop_);
    }
    if (context_) {
        pa_context_unref(context_);
    }
    if (loop_) {
        pa_threaded_mainloop_free(loop_);
    }
}

PulseSession::Lock::Lock(const PulseSession& session) : loop_(session.loop_) {
    pa_threaded_mainloop_lock(loop_);
}

PulseSession::Lock::~Lock() {
    pa_threaded_mainloop_unlock(loop_);
}

bool PulseSession::contextUsable() const {
    return context_ && PA_CONTEXT_IS_GOOD(pa_context_get_state(context_));
}

bool PulseSession::connected() const {
    if (!loop_ || !context_) {
        return false;
    }
    Lock lock(*this);
    return pa_context_get_state(context_) == PA_CONTEXT_READY;
}

bool PulseSession::waitFor(const std::function<bool()>& done, int ms) {
    if (!context_) {
        return false;
    }
    Deadline deadline{loop_};
    pa_time_event* timer =
        pa_context_rttime_new(context_, pa_rtclock_now() + static_cast<pa_usec_t>(ms) * PA_USEC_PER_MSEC,
                              deadlinePassed, &deadline);
    while (!done() && !deadline.passed && contextUsable()) {
        pa_threaded_mainloop_wait(loop_);
    }
    if (timer) {
        pa_threaded_mainloop_get_api(loop_)->time_free(timer);
    }
    return done();
}

bool PulseSession::finish(pa_operation* op) {
    if (!op) {
        return false;
    }
    const bool completed = waitFor([op] { return pa_operation_get_state(op) == PA_OPERATION_DONE; });
    if (pa_operation_get_state(op) == PA_OPERATION_RUNNING) {
        pa_operation_cancel(op);
    }
    pa_operation_unref(op);
    return completed;
}

void PulseSession::wake() {
    pa_threaded_mainloop_signal(loop_, 0);
}

// ---------------------------------------------------------------------------------------------
// Decoding

namespace {

struct Decoded {
    std::vector<float> samples;  // interleaved frames
    int channels = 0;
    int rate = 0;
};

struct SoundFile {
    SNDFILE* handle = nullptr;
    SF_INFO info{};

    explicit SoundFile(const QString& path) {
        handle = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    }
    ~SoundFile() {
        if (handle) {
            sf_close(handle);
        }
    }
    SoundFile(const SoundFile&) = delete;
    SoundFile& operator=(const SoundFile&) = delete;
};

// The whole file as float samples; nothing when it cannot be read or holds no sound.
std::optional<Decoded> decode(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        return std::nullopt;
    }
    SoundFile file(path);
    if (!file.handle || file.info.channels < 1 || file.info.channels > static_cast<int>(PA_CHANNELS_MAX) ||
        file.info.samplerate < 1 || static_cast<unsigned>(file.info.samplerate) > PA_RATE_MAX) {
        return std::nullopt;
    }
    Decoded out;
    out.channels = file.info.channels;
    out.rate = file.info.samplerate;
    try {
        // The header's frame count is a hint only: some formats know it just roughly.
        if (file.info.frames > 0) {
            out.samples.reserve(static_cast<size_t>(file.info.frames) * static_cast<size_t>(out.channels));
        }
        constexpr sf_count_t kChunkFrames = 16384;
        std::vector<float> chunk(static_cast<size_t>(kChunkFrames) * static_cast<size_t>(out.channels));
        for (;;) {
            const sf_count_t got = sf_readf_float(file.handle, chunk.data(), kChunkFrames);
            if (got <= 0) {
                break;
            }
            out.samples.insert(out.samples.end(), chunk.begin(),
                               chunk.begin() + static_cast<std::ptrdiff_t>(got * out.channels));
        }
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    if (out.samples.empty()) {
        return std::nullopt;
    }
    return out;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// PulseBellOutput

struct PulseBellOutput::Playback {
    std::unique_ptr<PulseSession> session;
    pa_stream* stream = nullptr;
    std::vector<float> samples;
    pa_sample_spec sampleFormat{};
    size_t frameBytes = 0;
    size_t position = 0;  // bytes of samples already written
    bool loop = false;
    pa_operation* drain = nullptr;

    ~Playback() {
        if (session && stream) {
            PulseSession::Lock lock(*session);
            if (drain) {
                pa_operation_cancel(drain);
                pa_operation_unref(drain);
            }
            releaseStream();
        }
        session.reset();  // stops the event thread
    }

    size_t totalBytes() const { return samples.size() * sizeof(float); }

    void releaseStream() {
        pa_stream_set_state_callback(stream, nullptr, nullptr);
        pa_stream_set_write_callback(stream, nullptr, nullptr);
        pa_stream_disconnect(stream);
        pa_stream_unref(stream);
        stream = nullptr;
    }

    static void onState(pa_stream*, void* userdata) { static_cast<Playback*>(userdata)->session->wake(); }

    // Runs on the event thread with the lock held, whenever the server wants more samples.
    static void onWritable(pa_stream* s, size_t wanted, void* userdata) {
        auto* self = static_cast<Playback*>(userdata);
        const auto* bytes = reinterpret_cast<const char*>(self->samples.data());
        const size_t total = self->totalBytes();
        wanted -= wanted % self->frameBytes;
        while (wanted > 0) {
            if (self->position == total) {
                if (!self->loop) {
                    break;
                }
                self->position = 0;
            }
            const size_t chunk = std::min(wanted, total - self->position);
            if (pa_stream_write(s, bytes + self->position, chunk, nullptr, 0, PA_SEEK_RELATIVE) < 0) {
                return;
            }
            self->position += chunk;
            wanted -= chunk;
        }
        // The last samples are written: the drain plays out all of them, and also starts
        // playback of a sound shorter than the stream's pre-buffer.
        if (!self->loop && self->position == total && !self->drain) {
            self->drain = pa_stream_drain(s, nullptr, nullptr);
        }
    }

    // Connects a new stream to the sink (the default one for nullptr); true once it is ready.
    bool connect(const char* sink) {
        pa_context* context = session->context();
        pa_proplist* props = pa_proplist_new();
        pa_proplist_sets(props, PA_PROP_MEDIA_NAME, "Bell");
        pa_channel_map map;
        pa_channel_map_init_extend(&map, sampleFormat.channels, PA_CHANNEL_MAP_WAVEEX);
        stream = pa_stream_new_with_proplist(context, "Bell", &sampleFormat, &map, props);
        pa_proplist_free(props);
        if (!stream) {
            return false;
        }
        position = 0;
        pa_stream_set_state_callback(stream, onState, this);
        pa_stream_set_write_callback(stream, onWritable, this);
        pa_buffer_attr attr;
        attr.maxlength = static_cast<uint32_t>(-1);
        attr.tlength = static_cast<uint32_t>(pa_usec_to_bytes(200 * PA_USEC_PER_MSEC, &sampleFormat));
        attr.prebuf = static_cast<uint32_t>(-1);
        attr.minreq = static_cast<uint32_t>(-1);
        attr.fragsize = static_cast<uint32_t>(-1);
        if (pa_stream_connect_playback(stream, sink, &attr, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0) {
            releaseStream();
            return false;
        }
        session->waitFor([this] {
            return !PA_STREAM_IS_GOOD(pa_stream_get_state(stream)) ||
                   pa_stream_get_state(stream) == PA_STREAM_READY;
        });
        if (pa_stream_get_state(stream) != PA_STREAM_READY) {
            releaseStream();
            return false;
        }
        return true;
    }
};

namespace {

bool sinkExists(PulseSession& session, const QByteArray& name) {
    struct Query {
        PulseSession* session;
        bool found = false;
    } query{&session};
    auto onSink = [](pa_context*, const pa_sink_info* info, int eol, void* userdata) {
        auto* q = static_cast<Query*>(userdata);
        if (eol == 0 && info) {
            q->found = true;
        }
        q->session->wake();
    };
    session.finish(pa_context_get_sink_info_by_name(session.context(), name.constData(), onSink, &query));
    return query.found;
}

}  // namespace

PulseBellOutput::PulseBellOutput() = default;

PulseBellOutput::~PulseBellOutput() {
    stop();
}

QList<OutputDevice> PulseBellOutput::devices() {
    QList<OutputDevice> list{OutputDevice{QString(), QStringLiteral("Default output")}};
    PulseSession session("Corvalin");
    if (!session.connected()) {
        return list;
    }
    struct Sink {
        uint32_t index;
        QString name;
        QString description;
    };
    struct Query {
        PulseSession* session;
        std::vector<Sink> sinks;
    } query{&session, {}};
    auto onSink = [](pa_context*, const pa_sink_info* info, int eol, void* userdata) {
        auto* q = static_cast<Query*>(userdata);
        if (eol == 0 && info) {
            q->sinks.push_back(Sink{info->index, QString::fromUtf8(info->name),
                                    QString::fromUtf8(info->description ? info->description : info->name)});
        }
        q->session->wake();
    };
    {
        PulseSession::Lock lock(session);
        if (!session.finish(pa_context_get_sink_info_list(session.context(), onSink, &query))) {
            return list;
        }
    }
    std::sort(query.sinks.begin(), query.sinks.end(),
              [](const Sink& a, const Sink& b) { return a.index < b.index; });
    for (const Sink& sink : query.sinks) {
        list.append(OutputDevice{sink.name, sink.description});
    }
    return list;
}

bool PulseBellOutput::play(const QString& deviceId, const QString& path, bool loop) {
    stop();
    auto decoded = decode(path);
    if (!decoded) {
        return false;
    }
    auto playback = std::make_unique<Playback>();
    playback->samples = std::move(decoded->samples);
    playback->sampleFormat.format = PA_SAMPLE_FLOAT32NE;
    playback->sampleFormat.rate = static_cast<uint32_t>(decoded->rate);
    playback->sampleFormat.channels = static_cast<uint8_t>(decoded->channels);
    playback->frameBytes = pa_frame_size(&playback->sampleFormat);
    playback->loop = loop;
    if (!pa_sample_spec_valid(&playback->sampleFormat)) {
        return false;
    }
    playback->session = std::make_unique<PulseSession>("Corvalin");
    if (!playback->session->connected()) {
        return false;
    }
    bool playing = false;
    {
        PulseSession::Lock lock(*playback->session);
        const QByteArray sink = deviceId.toUtf8();
        // A sink that is gone (or goes while the stream connects) leaves the bell on the default one.
        if (!sink.isEmpty() && sinkExists(*playback->session, sink)) {
            playing = playback->connect(sink.constData());
        }
        if (!playing) {
            playing = playback->connect(nullptr);
        }
    }
    if (!playing) {
        return false;
    }
    playback_ = std::move(playback);
    return true;
}

void PulseBellOutput::stop() {
    playback_.reset();
}

bool PulseBellOutput::isPresent() const {
    return playback_ != nullptr;
}

std::optional<qint64> PulseBellOutput::lengthMs(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        return std::nullopt;
    }
    SoundFile file(path);
    if (!file.handle || file.info.samplerate <= 0 || file.info.frames < 0) {
        return std::nullopt;
    }
    return static_cast<qint64>(file.info.frames) * 1000 / file.info.samplerate;
}
