// The free countdown's arithmetic, and the layout of the two full-screen read-outs.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvalin::countdown {

struct StartCheck {
    std::optional<int> total;  // seconds to count, when the entry is accepted
    std::string message;       // the refusal otherwise
};

// The entries for hours (0-99), minutes (0-59) and seconds (0-59), checked in order: each
// empty field, then each field's range. A field holds a number only as ASCII digits (so "1.5",
// "-1" and "x" are out of its range), and a count of zero is refused with the seconds' range,
// since it could never reach zero.
StartCheck checkStart(std::string_view hours, std::string_view minutes, std::string_view seconds);

// "01:30:00": hours, minutes and seconds, each with at least two digits.
std::string readout(int seconds);

// The seconds left of a count of `total` seconds that has run for `elapsedMs`, never below 0.
// Measured from the moment the count started, so late ticks never make it drift; each tick
// comes near a whole second, and rounding keeps one that comes a little early or late on it.
int remaining(int total, long long elapsedMs);

// Point sizes of the count and of the clock by the screen's width in pixels.
struct FontSizes {
    int count = 150;
    int clock = 105;
};
FontSizes fontSizes(int screenWidthPx);

// Where the full-screen windows place their read-outs and buttons, in pixels, from the
// window's size, the read-outs' box and the buttons' size; `twipsPerPixel` turns the layout's
// fixed distances (given in twips, 1/1440 inch) into pixels.
struct Box {
    int x = 0;
    int y = 0;
};
struct FullScreenLayout {
    Box count;        // the count or the time left, below the centre line
    Box clock;        // the time of day, above it
    Box leftButton;   // "Small window"
    Box rightButton;  // "Pause" / "Replay"
    Box closeButton;  // the next-bell window's only button, centred
};
FullScreenLayout layoutFullScreen(int width, int height, int labelWidth, int labelHeight, int buttonWidth,
                                  int closeWidth, double twipsPerPixel);

// The fixed box of each read-out and the buttons' size, in twips.
inline constexpr int kLabelWidthTwips = 18735;
inline constexpr int kLabelHeightTwips = 5055;
inline constexpr int kButtonWidthTwips = 1455;
inline constexpr int kCloseWidthTwips = 735;
inline constexpr int kButtonHeightTwips = 375;

}  // namespace corvalin::countdown
