#include "sounds.h"

#include <QByteArray>
#include <QDir>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <random>
#include <stdexcept>
#include <vector>

namespace {

constexpr int sampleRate = 44100;
constexpr double peakLevel = 0.5; // -6 dBFS

enum class Voice { Chime, Pluck, Brass, Noise };

struct Timbre {
    double attack;                   // seconds of linear rise
    double decay;                    // time constant of the exponential fall, seconds
    std::array<double, 6> harmonics; // amplitudes of partials 1f..6f; unused for noise
};

constexpr Timbre timbre(Voice voice)
{
    switch (voice) {
    case Voice::Chime: return {0.004, 0.22, {1.0, 0.45, 0.0, 0.18, 0.0, 0.0}};
    case Voice::Pluck: return {0.004, 0.16, {1.0, 0.5, 0.33, 0.25, 0.12, 0.08}};
    case Voice::Brass: return {0.025, 0.7, {1.0, 0.75, 0.55, 0.35, 0.2, 0.1}};
    case Voice::Noise: return {0.002, 0.035, {}};
    }
    return {};
}

// For noise, frequency is the upper edge of the band that is let through.
struct Note {
    Voice voice;
    double start;
    double length;
    double frequency;
    double gain = 1.0;
};

struct Sound {
    const char* name;
    std::vector<Note> notes;
};

const std::vector<Sound>& sounds()
{
    using enum Voice;
    static const std::vector<Sound> list{
        {"bet",
         {{Noise, 0.0, 0.015, 7000, 0.6},
          {Chime, 0.0, 0.15, 2093.0},
          {Chime, 0.025, 0.125, 2637.0, 0.7}}},
        {"start",
         {{Pluck, 0.0, 0.2, 523.25},
          {Pluck, 0.08, 0.2, 659.26},
          {Pluck, 0.16, 0.2, 783.99},
          {Pluck, 0.24, 0.26, 1046.5}}},
        {"card", {{Noise, 0.0, 0.12, 3500}, {Noise, 0.0, 0.02, 9000, 0.5}}},
        {"bonus",
         {{Chime, 0.0, 0.5, 1046.5},
          {Chime, 0.15, 0.35, 1567.98},
          {Chime, 0.15, 0.35, 2093.0, 0.3}}},
        {"twice",
         {{Brass, 0.0, 0.14, 392.0},
          {Brass, 0.15, 0.14, 523.25},
          {Brass, 0.3, 0.14, 659.26},
          {Brass, 0.45, 0.45, 783.99},
          {Brass, 0.45, 0.45, 659.26, 0.5},
          {Brass, 0.45, 0.45, 523.25, 0.5}}},
        {"bonus2",
         {{Chime, 0.0, 0.6, 1318.51, 0.8},
          {Chime, 0.05, 0.55, 1567.98, 0.8},
          {Chime, 0.1, 0.5, 1975.53, 0.8},
          {Chime, 0.15, 0.45, 2637.02, 0.8},
          {Chime, 0.2, 0.4, 3135.96, 0.8}}},
    };
    return list;
}

// Attack ramp, exponential decay, and a linear release so every note ends at zero.
double envelope(const Timbre& t, double time, double length, double decayScale = 1.0)
{
    const double release = std::min(0.04, length / 3);
    double level = std::exp(-time * decayScale / t.decay);
    if (time < t.attack)
        level *= time / t.attack;
    if (time > length - release)
        level *= std::max(0.0, (length - time) / release);
    return level;
}

void addNote(std::vector<double>& mix, const Note& note, std::minstd_rand& random)
{
    const Timbre t = timbre(note.voice);
    const auto first = static_cast<std::size_t>(note.start * sampleRate);
    const auto count = static_cast<std::size_t>(note.length * sampleRate);
    mix.resize(std::max(mix.size(), first + count));

    if (note.voice == Voice::Noise) {
        // Band-pass white noise as the difference of two one-pole low-passes.
        std::uniform_real_distribution<double> white(-1.0, 1.0);
        auto coefficient = [](double cutoff) {
            return 1.0 - std::exp(-2 * std::numbers::pi * cutoff / sampleRate);
        };
        const double high = coefficient(note.frequency), low = coefficient(note.frequency / 4);
        double upper = 0, lower = 0;
        for (std::size_t i = 0; i < count; ++i) {
            const double sample = white(random);
            upper += high * (sample - upper);
            lower += low * (sample - lower);
            mix[first + i] +=
                note.gain * 2 * (upper - lower) * envelope(t, double(i) / sampleRate, note.length);
        }
        return;
    }

    for (std::size_t i = 0; i < count; ++i) {
        const double time = double(i) / sampleRate;
        double sample = 0;
        for (std::size_t k = 0; k < t.harmonics.size(); ++k) {
            const double frequency = note.frequency * double(k + 1);
            if (t.harmonics[k] == 0 || frequency > 0.4 * sampleRate)
                continue;
            // Upper partials die away sooner, as on a real instrument.
            sample += t.harmonics[k] * std::sin(2 * std::numbers::pi * frequency * time)
                      * envelope(t, time, note.length, 1.0 + 0.5 * double(k));
        }
        mix[first + i] += note.gain * sample;
    }
}

std::vector<std::int16_t> render(const Sound& sound)
{
    std::minstd_rand random(20240601); // fixed seed: the same files on every build
    std::vector<double> mix;
    for (const Note& note : sound.notes)
        addNote(mix, note, random);

    double peak = 0;
    for (double sample : mix)
        peak = std::max(peak, std::abs(sample));
    const double scale = peak > 0 ? peakLevel * 32767 / peak : 0;

    std::vector<std::int16_t> pcm(mix.size());
    std::transform(mix.begin(), mix.end(), pcm.begin(), [scale](double sample) {
        return static_cast<std::int16_t>(std::lround(sample * scale));
    });
    return pcm;
}

template <typename T>
void appendLittleEndian(QByteArray& bytes, T value)
{
    for (std::size_t i = 0; i < sizeof(T); ++i)
        bytes.append(char((std::uint64_t(value) >> (8 * i)) & 0xff));
}

// 16-bit mono PCM in a canonical 44-byte RIFF/WAVE header.
QByteArray wavFile(const std::vector<std::int16_t>& pcm)
{
    const auto dataSize = std::uint32_t(pcm.size() * sizeof(std::int16_t));
    QByteArray bytes;
    bytes.reserve(44 + int(dataSize));
    bytes.append("RIFF");
    appendLittleEndian<std::uint32_t>(bytes, 36 + dataSize);
    bytes.append("WAVEfmt ");
    appendLittleEndian<std::uint32_t>(bytes, 16); // fmt chunk size
    appendLittleEndian<std::uint16_t>(bytes, 1);  // PCM
    appendLittleEndian<std::uint16_t>(bytes, 1);  // mono
    appendLittleEndian<std::uint32_t>(bytes, sampleRate);
    appendLittleEndian<std::uint32_t>(bytes, sampleRate * 2); // bytes per second
    appendLittleEndian<std::uint16_t>(bytes, 2);              // bytes per frame
    appendLittleEndian<std::uint16_t>(bytes, 16);             // bits per sample
    bytes.append("data");
    appendLittleEndian<std::uint32_t>(bytes, dataSize);
    for (std::int16_t sample : pcm)
        appendLittleEndian<std::uint16_t>(bytes, std::uint16_t(sample));
    return bytes;
}

} // namespace

void writeSounds(const QString& dir)
{
    for (const Sound& sound : sounds()) {
        const QString path = QDir(dir).filePath(QString::fromLatin1(sound.name) + ".wav");
        QSaveFile file(path);
        const QByteArray bytes = wavFile(render(sound));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            throw std::runtime_error("cannot write " + path.toStdString());
    }
}
