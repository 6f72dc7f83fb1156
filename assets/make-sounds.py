#!/usr/bin/python3
"""Makes Corvalin's bell sounds: 16-bit PCM mono 44100 Hz wave files in assets/sound/.

Each strike of a bell is a sum of partials at the ratios of a tuned bell (hum, prime, minor third,
fifth, nominal and upper partials), each dying away at its own rate, the high ones fastest. A short
raised-cosine attack and a fade-out at the end keep every sound free of clicks; the mix is scaled to
a peak of -3 dBFS. Only arithmetic is used, so every run writes the same bytes.

Run with Debian's python3:  /usr/bin/python3 assets/make-sounds.py [output folder]
"""

import math
import os
import struct
import sys
import wave

RATE = 44100
PEAK_DBFS = -3.0
ATTACK_S = 0.006
FADE_OUT_S = 0.25

# (frequency ratio to the strike's note, relative amplitude, decay time constant in seconds)
BELL_PARTIALS = [
    (0.5, 0.35, 1.60),   # hum
    (1.0, 1.00, 1.10),   # prime
    (1.2, 0.45, 0.80),   # minor third
    (1.5, 0.30, 0.60),   # fifth
    (2.0, 0.55, 0.50),   # nominal
    (2.5, 0.18, 0.30),
    (3.0, 0.12, 0.22),
    (4.2, 0.06, 0.14),
]

# A gentle chime: fewer and softer upper partials.
SOFT_PARTIALS = [
    (1.0, 1.00, 0.55),
    (2.0, 0.25, 0.30),
    (3.0, 0.07, 0.18),
]

C5, E5, G5, C6 = 523.25, 659.26, 783.99, 1046.50
A4, CS5 = 440.00, 554.37
A5, D5 = 880.00, 587.33


def render(strikes, seconds, partials):
    """Sums strikes given as (start second, note frequency, loudness) into one list of floats."""
    count = int(round(seconds * RATE))
    out = [0.0] * count
    attack = int(ATTACK_S * RATE)
    for start_s, note, loudness in strikes:
        start = int(round(start_s * RATE))
        for ratio, amplitude, decay in partials:
            freq = note * ratio
            if freq >= RATE / 2:
                continue
            step = 2.0 * math.pi * freq / RATE
            fall = math.exp(-1.0 / (decay * RATE))
            level = loudness * amplitude
            for n in range(count - start):
                if n < attack:
                    gain = level * 0.5 * (1.0 - math.cos(math.pi * n / attack))
                else:
                    gain = level
                out[start + n] += gain * math.sin(step * n)
                level *= fall
                if level < 1e-6:
                    break
    return out


def finish(samples):
    """Fades the end to silence and scales the peak to PEAK_DBFS; returns 16-bit integers."""
    fade = int(FADE_OUT_S * RATE)
    total = len(samples)
    for i in range(max(0, total - fade), total):
        x = (total - 1 - i) / fade
        samples[i] *= 0.5 * (1.0 - math.cos(math.pi * x))
    peak = max(abs(s) for s in samples) or 1.0
    scale = 32767.0 * 10.0 ** (PEAK_DBFS / 20.0) / peak
    return [int(round(s * scale)) for s in samples]


def write_wave(path, ints):
    with wave.open(path, "wb") as f:
        f.setnchannels(1)
        f.setsampwidth(2)
        f.setframerate(RATE)
        f.writeframes(struct.pack("<%dh" % len(ints), *ints))


SOUNDS = {
    # Two-tone school bell: high and low strikes, twice over.
    "school-bell.wav": (3.0, BELL_PARTIALS,
                        [(0.00, E5, 1.0), (0.45, C5, 0.95), (0.90, E5, 1.0), (1.35, C5, 0.95)]),
    # Rising chime for the start of a period.
    "start-bell.wav": (2.5, BELL_PARTIALS,
                       [(0.00, C5, 0.8), (0.22, E5, 0.8), (0.44, G5, 0.8), (0.66, C6, 0.9)]),
    # Falling chime for the end of a period.
    "end-bell.wav": (2.5, BELL_PARTIALS,
                     [(0.00, C6, 0.8), (0.22, G5, 0.8), (0.44, E5, 0.8), (0.66, C5, 0.9)]),
    # Short soft chime ahead of a bell.
    "pre-bell.wav": (1.2, SOFT_PARTIALS, [(0.00, A4, 0.8), (0.16, CS5, 0.7)]),
    # Alarm signals, rung over and over: each has a shape that cannot be taken for a bell.
    # Lockdown: fast, even strikes of one high note.
    "tone-lockdown.wav": (2.0, BELL_PARTIALS, [(0.25 * n, A5, 1.0) for n in range(8)]),
    # Evacuation: a high and a low note in turn, without a pause.
    "tone-evacuation.wav": (2.0, BELL_PARTIALS,
                            [(0.25 * n, E5 if n % 2 == 0 else D5 * 0.75, 1.0) for n in range(8)]),
    # All clear: a slow rising chime, rung once.
    "tone-all-clear.wav": (4.0, SOFT_PARTIALS,
                           [(0.0, C5, 0.8), (0.6, E5, 0.8), (1.2, G5, 0.85), (1.8, C6, 0.9)]),
}


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "sound")
    os.makedirs(folder, exist_ok=True)
    for name, (seconds, partials, strikes) in SOUNDS.items():
        write_wave(os.path.join(folder, name), finish(render(strikes, seconds, partials)))
        print(os.path.join(folder, name))


if __name__ == "__main__":
    main()
