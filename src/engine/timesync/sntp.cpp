// The SNTP client's rules.
#include "engine/timesync/sntp.h"

#include <algorithm>
#include <charconv>

namespace corvalin::sntp {

namespace {

// Byte offsets in a packet.
constexpr std::size_t kStratum = 1;
constexpr std::size_t kReferenceId = 12;
constexpr std::size_t kOrigin = 24;
constexpr std::size_t kReceive = 32;
constexpr std::size_t kTransmit = 40;

constexpr std::int64_t kEraMs = (std::int64_t{1} << 32) * 1000;

std::uint64_t readBigEndian(std::span<const std::uint8_t, 8> bytes) {
    std::uint64_t value = 0;
    for (const std::uint8_t b : bytes) {
        value = (value << 8) | b;
    }
    return value;
}

std::span<const std::uint8_t, 8> field(std::span<const std::uint8_t> packet, std::size_t at) {
    return packet.subspan(at).first<8>();
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

std::optional<std::uint16_t> portNumber(std::string_view digits) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || value == 0 ||
        value > 65535) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(value);
}

// a / 2 rounded to the nearest integer, halves away from zero.
std::int64_t halfRounded(std::int64_t a) {
    return a >= 0 ? (a + 1) / 2 : -((-a + 1) / 2);
}

// The largest integer not above a / b, for b > 0.
std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    return a / b - (a % b != 0 && a < 0 ? 1 : 0);
}

}  // namespace

std::optional<ServerAddress> parseServer(std::string_view text) {
    text = trimmed(text);
    ServerAddress server;
    if (text.starts_with('[')) {
        const auto close = text.find(']');
        if (close == std::string_view::npos) {
            return std::nullopt;
        }
        server.host = std::string(text.substr(1, close - 1));
        const std::string_view rest = text.substr(close + 1);
        if (!rest.empty()) {
            if (!rest.starts_with(':')) {
                return std::nullopt;
            }
            const auto port = portNumber(rest.substr(1));
            if (!port) {
                return std::nullopt;
            }
            server.port = *port;
        }
    } else if (const auto colon = text.find(':');
               colon != std::string_view::npos && text.rfind(':') == colon) {
        const auto port = portNumber(text.substr(colon + 1));
        if (!port) {
            return std::nullopt;
        }
        server.host = std::string(text.substr(0, colon));
        server.port = *port;
    } else {
        server.host = std::string(text);  // a name, an IPv4 address or a bare IPv6 address
    }
    if (server.host.empty()) {
        return std::nullopt;
    }
    return server;
}

Packet request(std::uint64_t nonce) {
    Packet packet{};
    packet[0] = 27;
    for (std::size_t i = 0; i < 8; ++i) {
        packet[kTransmit + i] = static_cast<std::uint8_t>(nonce >> (56 - 8 * i));
    }
    return packet;
}

Seconds TimestampToSeconds(std::span<const std::uint8_t, 8> bytes) {
    const std::uint64_t value = readBigEndian(bytes);
    // Exact: the fraction times 1000 fits in 42 bits; its upper 10 bits are the milliseconds and the
    // rest, out of 2^32, decides the rounding.
    const std::uint64_t scaled = (value & 0xFFFFFFFFu) * 1000;
    std::uint64_t ms = scaled >> 32;
    const std::uint64_t rest = scaled & 0xFFFFFFFFu;
    constexpr std::uint64_t half = std::uint64_t{1} << 31;
    if (rest > half || (rest == half && (ms & 1) != 0)) {
        ++ms;
    }
    Seconds s;
    s.whole = (value >> 32) + ms / 1000;
    s.milliseconds = static_cast<int>(ms % 1000);
    return s;
}

std::int64_t unixMilliseconds(const Seconds& s, std::int64_t pivotMs) {
    const std::int64_t inFirstEra =
        static_cast<std::int64_t>(s.whole) * 1000 + s.milliseconds - kSecondsFrom1900To1970 * 1000;
    const std::int64_t eras = floorDiv(pivotMs - inFirstEra + kEraMs / 2, kEraMs);
    return inFirstEra + eras * kEraMs;
}

const char* describe(Verdict verdict) {
    switch (verdict) {
        case Verdict::Good:
            return "an answer";
        case Verdict::Short:
            return "shorter than 48 bytes";
        case Verdict::NotServer:
            return "not from a server (mode)";
        case Verdict::BadVersion:
            return "an unknown version";
        case Verdict::WrongOrigin:
            return "not an answer to our request (origin timestamp)";
        case Verdict::Kiss:
            return "a Kiss-o'-Death";
        case Verdict::BadStratum:
            return "stratum above 15";
        case Verdict::Unsynchronised:
            return "from a server whose clock is not set (leap indicator 3)";
        case Verdict::NoReceiveTime:
            return "without a receive timestamp";
        case Verdict::NoTransmitTime:
            return "without a transmit timestamp";
    }
    return "?";
}

KissAction kissAction(std::string_view code) {
    if (code == "RATE") {
        return KissAction::SlowDown;
    }
    if (code == "DENY" || code == "RSTR") {
        return KissAction::StopUsing;
    }
    return KissAction::Ignore;
}

std::int64_t offsetMs(std::int64_t t1, std::int64_t t2, std::int64_t t3, std::int64_t t4) {
    return halfRounded((t2 - t1) + (t3 - t4));
}

Judgement judge(std::span<const std::uint8_t> datagram, std::uint64_t nonce, std::int64_t t1Ms,
                std::int64_t t4Ms, std::int64_t earliestMs) {
    Judgement j;
    auto drop = [&j](Verdict why) {
        j.kind = Judgement::Kind::Drop;
        j.verdict = why;
        return j;
    };
    if (datagram.size() < kPacketSize) {
        return drop(Verdict::Short);
    }
    const int leap = datagram[0] >> 6;
    const int version = (datagram[0] >> 3) & 7;
    const int mode = datagram[0] & 7;
    const int stratum = datagram[kStratum];
    if (mode != 4) {
        return drop(Verdict::NotServer);
    }
    if (version != 3 && version != 4) {
        return drop(Verdict::BadVersion);
    }
    if (readBigEndian(field(datagram, kOrigin)) != nonce) {
        return drop(Verdict::WrongOrigin);
    }
    if (stratum == 0) {
        j.verdict = Verdict::Kiss;
        const auto* code = reinterpret_cast<const char*>(datagram.data() + kReferenceId);
        j.kissCode.assign(code, 4);
        j.kiss = kissAction(j.kissCode);
        // An unknown code is no answer either: a real one may still come.
        j.kind = j.kiss == KissAction::Ignore ? Judgement::Kind::Drop : Judgement::Kind::Kiss;
        return j;
    }
    if (stratum > 15) {
        return drop(Verdict::BadStratum);
    }
    if (leap == 3) {
        return drop(Verdict::Unsynchronised);
    }
    if (readBigEndian(field(datagram, kReceive)) == 0) {
        return drop(Verdict::NoReceiveTime);
    }
    if (readBigEndian(field(datagram, kTransmit)) == 0) {
        return drop(Verdict::NoTransmitTime);
    }
    const std::int64_t t2 = unixMilliseconds(TimestampToSeconds(field(datagram, kReceive)), earliestMs);
    const std::int64_t t3 = unixMilliseconds(TimestampToSeconds(field(datagram, kTransmit)), earliestMs);
    j.verdict = Verdict::Good;
    j.offsetMs = offsetMs(t1Ms, t2, t3, t4Ms);
    if (t4Ms + j.offsetMs < earliestMs) {
        j.kind = Judgement::Kind::TooEarly;
        return j;
    }
    j.kind = Judgement::Kind::Answer;
    j.step = j.offsetMs >= kSmallestStepMs || j.offsetMs <= -kSmallestStepMs;
    return j;
}

bool Pacing::mayAsk(std::int64_t nowMs) {
    if (!lastAskedMs) {
        return true;
    }
    if (nowMs < *lastAskedMs) {
        lastAskedMs = nowMs;
        return false;
    }
    return nowMs - *lastAskedMs >= std::int64_t{intervalSeconds} * 1000;
}

void Pacing::clockStepped(std::int64_t deltaMs) {
    if (lastAskedMs) {
        *lastAskedMs += deltaMs;
    }
}

void Pacing::slowDown() {
    intervalSeconds = std::min(intervalSeconds * 2, kLongestIntervalSeconds);
}

std::int64_t buildDayMs() {
    constexpr std::int64_t day = 86400;
    return std::int64_t{CORVALIN_BUILD_EPOCH} / day * day * 1000;
}

}  // namespace corvalin::sntp
