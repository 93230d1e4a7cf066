// SPDX-License-Identifier: GPL-3.0-or-later
// Makes Padmora's bells at build time: a singing bowl struck once (the start
// of a practice), twice (an interval) and three times (its end), synthesised
// from a few partials that each die away at their own pace.
//
//   padmora_makebells <folder>
//       writes <folder>/bell-1.wav, bell-2.wav and bell-3.wav: 16-bit PCM,
//       mono, 44,100 samples a second.
//
// Nothing in it is left to chance or to the clock: every build writes the
// same bytes.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 44100;
// The bowl's fundamental (D4) and its partials: the inharmonic ratios of a
// struck bowl, each quieter than the last and dying away sooner.
constexpr double kFundamental = 293.66;
struct Partial {
    double ratio;
    double amplitude;
    double decaySeconds;  // the time in which it falls to 1/e
};
constexpr std::array<Partial, 4> kPartials{{
    {1.00, 1.00, 1.00},
    {2.76, 0.45, 0.70},
    {5.40, 0.22, 0.35},
    {8.93, 0.10, 0.18},
}};
// A strike swells in over a few milliseconds, so that it does not click.
constexpr double kAttackSeconds = 0.005;
// Strikes follow one another at this pace; the last rings on this long,
// the final part of it faded out so that the sound ends in silence.
constexpr double kStrikeGapSeconds = 0.9;
constexpr double kRingSeconds = 3.0;
constexpr double kFadeSeconds = 0.3;
// The loudest sample, as a share of full scale: room to spare for playing
// several bells at once.
constexpr double kPeak = 0.7;

constexpr double kPi = 3.14159265358979323846;

std::vector<double> strikes(int count)
{
    const int length = int(std::lround(((count - 1) * kStrikeGapSeconds + kRingSeconds) * kRate));
    std::vector<double> samples(std::size_t(length), 0.0);
    for (int strike = 0; strike < count; ++strike) {
        const int onset = int(std::lround(strike * kStrikeGapSeconds * kRate));
        for (int i = onset; i < length; ++i) {
            const double t = double(i - onset) / kRate;
            const double swell = t < kAttackSeconds ? t / kAttackSeconds : 1.0;
            double value = 0;
            for (const Partial &p : kPartials)
                value += p.amplitude * std::exp(-t / p.decaySeconds) * std::sin(2 * kPi * kFundamental * p.ratio * t);
            samples[std::size_t(i)] += swell * value;
        }
    }
    const int fade = int(std::lround(kFadeSeconds * kRate));
    for (int i = length - fade; i < length; ++i)
        samples[std::size_t(i)] *= double(length - 1 - i) / (fade - 1);
    double loudest = 0;
    for (double s : samples)
        loudest = std::max(loudest, std::abs(s));
    for (double &s : samples)
        s *= kPeak / loudest;
    return samples;
}

void put16(std::string &out, std::uint16_t v)
{
    out.push_back(char(v & 0xff));
    out.push_back(char(v >> 8));
}

void put32(std::string &out, std::uint32_t v)
{
    put16(out, std::uint16_t(v & 0xffff));
    put16(out, std::uint16_t(v >> 16));
}

// A canonical WAV file: the RIFF header, the format chunk, the data chunk.
std::string wav(const std::vector<double> &samples)
{
    const std::uint32_t dataBytes = std::uint32_t(samples.size() * 2);
    std::string out = "RIFF";
    put32(out, 36 + dataBytes);
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, 1);  // mono
    put32(out, kRate);
    put32(out, kRate * 2);  // bytes a second
    put16(out, 2);          // bytes a frame
    put16(out, 16);         // bits a sample
    out += "data";
    put32(out, dataBytes);
    for (double s : samples)
        put16(out, std::uint16_t(std::int16_t(std::lround(s * 32767))));
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: padmora_makebells <folder>\n");
        return 2;
    }
    for (int count = 1; count <= 3; ++count) {
        const std::string path = std::string(argv[1]) + "/bell-" + std::to_string(count) + ".wav";
        const std::string bytes = wav(strikes(count));
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), std::streamsize(bytes.size()));
        file.close();
        if (!file) {
            std::fprintf(stderr, "padmora_makebells: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
