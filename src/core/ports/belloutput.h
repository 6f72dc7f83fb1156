// Output devices and the playing of one bell: a wave file played once or in a loop on one device.
#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <optional>

struct OutputDevice {
    QString id;           // the device's name on the sound server; empty for the default output
    QString description;  // what the user sees
};

class BellOutput {
public:
    virtual ~BellOutput() = default;

    // The output-device list, entry 1 first: entry 1 is the default output (it follows
    // whatever the server's default is), entries 2 and up are every output of the server
    // in the server's own order, the default one included.
    virtual QList<OutputDevice> devices() = 0;

    // The id of the device that the default output (entry 1) plays on now: the server's default
    // sink, which is also the card the mixer mutes. Empty when it is not known.
    virtual QString defaultDeviceId() const { return QString(); }

    // Creates the playback objects and starts the file on the device with the given id
    // (the default output when the id is empty or no such device exists any more).
    // Returns false when nothing plays: no server, or a file that cannot be decoded.
    virtual bool play(const QString& deviceId, const QString& path, bool loop) = 0;

    // Stops the bell at once and releases the playback objects.
    virtual void stop() = 0;

    // Gets a bell ready to start the moment it is played: the playback objects made and filled on
    // the device, and held silent. The next play() of the same device, file and loop starts it;
    // other plays and stop() leave it alone, and dropPrepared() lets it go. Making a new one drops
    // the last. False when it cannot be got ready: play() then starts the bell as it always does.
    // Outputs that start at once anyway ignore it.
    virtual bool prepare(const QString& /*deviceId*/, const QString& /*path*/, bool /*loop*/) {
        return false;
    }
    virtual void dropPrepared() {}

    // Why the last play() or prepare() that returned false refused its file, when the file itself
    // is refused for what it is (longer than a bell sound may last): a reason for the ring log.
    // Empty when the file was not refused so (it plays, or nothing plays for another reason).
    virtual QString refusal() const { return QString(); }

    // Whether playback objects exist (from a play until the next stop).
    virtual bool isPresent() const = 0;

    // The file's length in milliseconds; none when the file cannot be read.
    virtual std::optional<qint64> lengthMs(const QString& path) = 0;

    // Called on the thread that made the output after the output-device list changed (a card plugged in or
    // out, a sink renamed). Outputs whose list never changes ignore it.
    virtual void setDevicesChangedHandler(std::function<void()> /*handler*/) {}

    // Called on the thread that made the output when a bell that play() started fails afterwards (its device
    // went away, the sound server dropped the connection), with a reason for the ring log.
    // Outputs that know at play() whether the bell sounds ignore it.
    virtual void setFailureHandler(std::function<void(const QString& reason)> /*handler*/) {}

    // Called on the thread that made the output when the bell that play() started has played out
    // whole (never for a loop). Outputs that cannot tell answer false to reportsFinish().
    virtual bool reportsFinish() const { return false; }
    virtual void setFinishedHandler(std::function<void()> /*handler*/) {}

    // Whether the sound server can be reached now; outputs without a server always can.
    virtual bool isConnected() const { return true; }
    // Called on the thread that made the output when the server is reached again (true) and when it is lost
    // (false), once for each change.
    virtual void setConnectionHandler(std::function<void(bool connected)> /*handler*/) {}
};

// Plays nothing; stands in where no sound server is wanted.
class NullBellOutput final : public BellOutput {
public:
    QList<OutputDevice> devices() override {
        return {OutputDevice{QString(), QStringLiteral("Default output")}};
    }
    bool play(const QString&, const QString&, bool) override { return false; }
    void stop() override {}
    bool isPresent() const override { return false; }
    std::optional<qint64> lengthMs(const QString&) override { return std::nullopt; }
};
