// Countdown arithmetic and layout.
#include "engine/countdown/countdownrules.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace corvalin::countdown {

namespace {

// Digits only, up to `high`; none otherwise.
std::optional<int> field(std::string_view text, int high) {
    if (text.empty() || text.size() > 4 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : text) {
        value = value * 10 + (c - '0');
    }
    return value <= high ? std::optional<int>(value) : std::nullopt;
}

}  // namespace

StartCheck checkStart(std::string_view hours, std::string_view minutes, std::string_view seconds) {
    if (hours.empty()) return {std::nullopt, "Please input hour"};
    if (minutes.empty()) return {std::nullopt, "Please input minute"};
    if (seconds.empty()) return {std::nullopt, "Please input second"};
    const auto h = field(hours, 99);
    if (!h) return {std::nullopt, "(Hour)Please input digit between 0 and 99"};
    const auto m = field(minutes, 59);
    if (!m) return {std::nullopt, "(minute)Please input digit between 0 and 59"};
    const auto s = field(seconds, 59);
    const int total = h && m && s ? *h * 3600 + *m * 60 + *s : 0;
    if (!s || total <= 0) return {std::nullopt, "(second)Please input digit between 0 and 59"};
    return {total, {}};
}

std::string readout(int seconds) {
    seconds = std::max(seconds, 0);
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", seconds / 3600, seconds % 3600 / 60, seconds % 60);
    return text;
}

int remaining(int total, long long elapsedMs) {
    const long long passed = (std::max(elapsedMs, 0LL) + 500) / 1000;
    return static_cast<int>(std::max(0LL, total - passed));
}

FontSizes fontSizes(int screenWidthPx) {
    if (screenWidthPx >= 1280) {
        return {230, 160};
    }
    if (screenWidthPx >= 1024) {
        return {190, 135};
    }
    return {150, 105};
}

FullScreenLayout layoutFullScreen(int width, int height, int labelWidth, int labelHeight, int buttonWidth,
                                  int closeWidth, double twipsPerPixel) {
    const auto px = [twipsPerPixel](int twips) { return static_cast<int>(std::lround(twips / twipsPerPixel)); };
    FullScreenLayout layout;
    const int labelLeft = (width - labelWidth) / 2 - px(140);
    layout.count = {labelLeft, (height - labelHeight) / 2 + px(900)};
    layout.clock = {labelLeft, (height - labelHeight) / 2 - px(2000)};
    const int buttonTop = (height - labelHeight) / 2 + labelHeight + px(700);
    layout.leftButton = {(width - buttonWidth) / 2 - px(750), buttonTop};
    layout.rightButton = {(width - buttonWidth) / 2 + px(750), buttonTop};
    layout.closeButton = {(width - closeWidth) / 2, buttonTop};
    return layout;
}

}  // namespace corvalin::countdown
