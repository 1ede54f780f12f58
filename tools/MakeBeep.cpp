// Writes the alarm sound, a kitchen timer's ring: a group of four short
// beeps each second for a minute, as a 16-bit mono PCM WAV file. It starts
// at a third of its full level, so a user at the desk is not startled, and
// swells to full level by the ninth second, so one in the next room hears it.
// The tone lies well below half the sample rate, which keeps the file small.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <vector>

namespace {

constexpr int SampleRate = 11025;
constexpr int RingSeconds = 60;
constexpr double ToneHz = 2093.0; // a bright C, well heard over a room
constexpr int BeepsPerGroup = 4;
constexpr double BeepSeconds = 0.07;
constexpr double GapSeconds = 0.05;
constexpr double FadeSeconds = 0.005; // no clicks at the edges of a beep
constexpr double FullAmplitude = 0.9 * 32767;
constexpr double FirstLevel = 1.0 / 3;
constexpr int SecondsToFullLevel = 8;

// The level of the group that begins at `second`, rising evenly.
double GroupLevel(int second) {
    const double risen = std::min(1.0, static_cast<double>(second) / SecondsToFullLevel);
    return FirstLevel + (1.0 - FirstLevel) * risen;
}

void AppendSilence(std::vector<std::int16_t> &samples, double seconds) {
    samples.insert(samples.end(), static_cast<std::size_t>(seconds * SampleRate), 0);
}

void AppendBeep(std::vector<std::int16_t> &samples, double level) {
    const auto count = static_cast<int>(BeepSeconds * SampleRate);
    const auto fade = static_cast<int>(FadeSeconds * SampleRate);
    for (int i = 0; i < count; ++i) {
        const double envelope = std::min(
            {1.0, static_cast<double>(i) / fade, static_cast<double>(count - 1 - i) / fade});
        const double wave = std::sin(2 * std::numbers::pi * ToneHz * i / SampleRate);
        samples.push_back(
            static_cast<std::int16_t>(std::lround(FullAmplitude * level * envelope * wave)));
    }
}

// One second: the beeps, then silence up to the next group.
void AppendGroup(std::vector<std::int16_t> &samples, int second) {
    const std::size_t start = samples.size();
    for (int beep = 0; beep < BeepsPerGroup; ++beep) {
        if (beep > 0)
            AppendSilence(samples, GapSeconds);
        AppendBeep(samples, GroupLevel(second));
    }
    samples.resize(start + SampleRate, 0);
}

template <typename T> void Put(std::ofstream &out, T value) {
    for (std::size_t byte = 0; byte < sizeof(T); ++byte)
        out.put(static_cast<char>((static_cast<std::uint64_t>(value) >> (8 * byte)) & 0xFF));
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
        return 2;
    }
    std::vector<std::int16_t> samples;
    for (int second = 0; second < RingSeconds; ++second)
        AppendGroup(samples, second);

    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * sizeof(std::int16_t));
    std::ofstream out(argv[1], std::ios::binary);
    out.write("RIFF", 4);
    Put<std::uint32_t>(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    Put<std::uint32_t>(out, 16);             // format chunk size
    Put<std::uint16_t>(out, 1);              // PCM
    Put<std::uint16_t>(out, 1);              // mono
    Put<std::uint32_t>(out, SampleRate);     // frames per second
    Put<std::uint32_t>(out, SampleRate * 2); // bytes per second
    Put<std::uint16_t>(out, 2);              // bytes per frame
    Put<std::uint16_t>(out, 16);             // bits per sample
    out.write("data", 4);
    Put<std::uint32_t>(out, dataBytes);
    for (const std::int16_t sample : samples)
        Put<std::uint16_t>(out, static_cast<std::uint16_t>(sample));
    out.close();
    return out ? 0 : 1;
}
