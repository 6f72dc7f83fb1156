// The SNTP client's rules, free of any socket or clock: the request packet, the checks a reply
// must pass before the clock may be set from it, the timestamp arithmetic, the clock offset
// with its round-trip correction, and how often a time server may be asked.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace corvalin::sntp {

inline constexpr std::size_t kPacketSize = 48;
inline constexpr std::uint16_t kDefaultPort = 123;
// Seconds from 1 January 1900 (the timestamps' origin) to 1 January 1970.
inline constexpr std::int64_t kSecondsFrom1900To1970 = 2208988800;
// A time server is asked at most once per this many seconds (RFC 4330: never more often than
// once a minute); a RATE kiss doubles its wait, up to kLongestIntervalSeconds.
inline constexpr int kIntervalSeconds = 64;
inline constexpr int kLongestIntervalSeconds = 4096;
// An offset smaller than this leaves the clock alone.
inline constexpr std::int64_t kSmallestStepMs = 100;

using Packet = std::array<std::uint8_t, kPacketSize>;

// A time server as configured: "host", "host:port", "[v6 address]:port" or a bare v6 address.
struct ServerAddress {
    std::string host;
    std::uint16_t port = kDefaultPort;
};
// Nothing when the text names no host or a port outside 1..65535.
std::optional<ServerAddress> parseServer(std::string_view text);

// The request: leap indicator 0, version 3, mode 3 (client), so byte 0 is 27; every other byte 0
// except the transmit timestamp, which carries `nonce`. A reply must echo it as its origin
// timestamp, so only someone who saw the request can answer it.
Packet request(std::uint64_t nonce);

// A timestamp as seconds within its 136-year era (from 1900 for the first era) with the
// fraction rounded to milliseconds, exactly halfway to the even neighbour: .9996 s is the next
// whole second with 0 milliseconds.
struct Seconds {
    std::uint64_t whole = 0;  // 0 to 2^32 (the top only when the fraction rounded up)
    int milliseconds = 0;     // 0 to 999
};
// The 8 bytes of a timestamp: big-endian, the upper 32 bits whole seconds, the lower 32 bits
// the fraction of a second.
Seconds TimestampToSeconds(std::span<const std::uint8_t, 8> bytes);

// Milliseconds since 1970 UTC of a timestamp, taking the era that puts it nearest to `pivotMs`
// (68 years either side), so the 2036 wrap of the 32-bit seconds carries on into 2036.
std::int64_t unixMilliseconds(const Seconds& s, std::int64_t pivotMs);

// Why a datagram is not an answer to our request; Good when it is one.
enum class Verdict {
    Good,
    Short,           // fewer than 48 bytes
    NotServer,       // mode other than 4
    BadVersion,      // version other than 3 or 4
    WrongOrigin,     // origin timestamp other than our request's transmit timestamp
    Kiss,            // stratum 0: a Kiss-o'-Death, never a time
    BadStratum,      // stratum above 15
    Unsynchronised,  // leap indicator 3: the server's own clock is not set
    NoReceiveTime,   // receive timestamp 0
    NoTransmitTime,  // transmit timestamp 0
};
const char* describe(Verdict verdict);

// What a Kiss-o'-Death asks of us.
enum class KissAction {
    Ignore,     // an unknown code
    SlowDown,   // RATE: ask that server less often
    StopUsing,  // DENY or RSTR: do not ask that server again
};
KissAction kissAction(std::string_view code);

// What to do with one datagram from the time server's address and port.
struct Judgement {
    enum class Kind {
        Drop,      // not an answer: the request stays open for a real one
        Kiss,      // a Kiss-o'-Death for our request: see `kiss`; the request is closed
        TooEarly,  // an answer that would set the clock before `earliestMs`: refused
        Answer,    // an answer: set the clock by `offsetMs` when `step`
    };
    Kind kind = Kind::Drop;
    Verdict verdict = Verdict::Good;
    std::string kissCode;  // Kiss: the four letters
    KissAction kiss = KissAction::Ignore;
    std::int64_t offsetMs = 0;  // TooEarly and Answer: the clock's error, + when it is behind
    bool step = false;          // Answer: the offset is at least kSmallestStepMs either way
};

// Judges a datagram received at local time `t4Ms` (milliseconds since 1970 UTC) for the request
// that carried `nonce` and was sent at local time `t1Ms`. The offset is ((T2 - T1) + (T3 - T4)) / 2
// with the server's receive (T2) and transmit (T3) timestamps. `earliestMs` also picks the era of
// the server's timestamps.
Judgement judge(std::span<const std::uint8_t> datagram, std::uint64_t nonce, std::int64_t t1Ms,
                std::int64_t t4Ms, std::int64_t earliestMs);

// The clock offset in milliseconds from the four timestamps (ms since 1970 UTC), rounded to
// the nearest millisecond, halves away from zero.
std::int64_t offsetMs(std::int64_t t1, std::int64_t t2, std::int64_t t3, std::int64_t t4);

// How often one time server may be asked. Times are local milliseconds since 1970 UTC.
struct Pacing {
    std::optional<std::int64_t> lastAskedMs;
    int intervalSeconds = kIntervalSeconds;
    bool stopped = false;  // DENY or RSTR

    // Whether the server may be asked at `nowMs`. A clock that went back past the last request
    // starts the wait again from now rather than letting a request through early.
    bool mayAsk(std::int64_t nowMs);
    void asked(std::int64_t nowMs) { lastAskedMs = nowMs; }
    // The clock was stepped by `deltaMs`: the last request moves with it.
    void clockStepped(std::int64_t deltaMs);
    void slowDown();
};

// Midnight UTC, in milliseconds since 1970, of the day this program was built: no answer may set
// the clock before it.
std::int64_t buildDayMs();

}  // namespace corvalin::sntp
