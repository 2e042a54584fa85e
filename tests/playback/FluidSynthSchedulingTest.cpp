#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

#include "playback/midi/FluidSynthBackend.h"
#include "playback/midi/SendTime.h"

// The built-in synthesizer places messages sent under a SendTime at the
// audio frame of their due time, rendering into memory faster than real
// time: where the notes start in the samples shows where they were placed.
namespace {

using midi::FluidSynthBackend;
using midi::SendTime;
using Clock = SendTime::Clock;

constexpr int kBlockFrames = 64;
constexpr int kWoodBlock = 76;
constexpr int kOrgan = 19;

Clock::duration Ms(double ms) {
    return std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double, std::milli>(ms));
}

class FluidSynthScheduling : public ::testing::Test {
protected:
    void SetUp() override {
        const auto soundFont = FluidSynthBackend::FindSoundFont();
        ASSERT_TRUE(soundFont) << "scripts/setup.sh installs a General MIDI SoundFont";
        synth = std::make_unique<FluidSynthBackend>(*soundFont, FluidSynthBackend::Audio::Memory);
    }

    void Send(int status, int data1, int data2 = 0) {
        synth->SendShort(std::uint8_t(status), std::uint8_t(data1), std::uint8_t(data2), 3);
    }

    void SendAt(Clock::time_point origin, double msAfter, int status, int data1, int data2 = 0) {
        const SendTime at(origin, origin + Ms(msAfter));
        Send(status, data1, data2);
    }

    std::vector<float> Render(double seconds) {
        const auto frames = std::size_t(seconds * synth->SampleRate());
        std::vector<float> left(frames);
        std::vector<float> right(frames);
        EXPECT_TRUE(synth->Render(left, right));
        return left;
    }

    // Frames where a click starts: the first sample past a quarter of the
    // loudest, at least `gap` frames after the click before (whose ringing
    // and reverberation stay well below that).
    static std::vector<std::size_t> Onsets(const std::vector<float>& samples, std::size_t gap) {
        float loudest = 0.0f;
        for (const float sample : samples) {
            loudest = std::max(loudest, std::abs(sample));
        }
        std::vector<std::size_t> onsets;
        for (std::size_t i = 0; i < samples.size(); ++i) {
            if (std::abs(samples[i]) >= 0.25f * loudest &&
                (onsets.empty() || i >= onsets.back() + gap)) {
                onsets.push_back(i);
            }
        }
        return onsets;
    }

    std::unique_ptr<FluidSynthBackend> synth;
};

TEST_F(FluidSynthScheduling, NotesSoundAtTheBlockOfTheirDueTimeOneFixedDelayLater) {
    Send(0xC9, 0);
    const Clock::time_point origin = Clock::now();
    const double spacingMs = 60000.0 / 208 / 4;
    const std::vector<double> due = {0.0, spacingMs, 2 * spacingMs, 5 * spacingMs, 6 * spacingMs};
    for (const double ms : due) {
        SendAt(origin, ms, 0x99, kWoodBlock, 100);
        SendAt(origin, ms + 30, 0x89, kWoodBlock);
    }
    // Sent all at once, long before the audio gets there: only the
    // timestamps can spread them out.
    const std::vector<float> samples = Render(1.0);
    const auto onsets = Onsets(samples, std::size_t(0.02 * synth->SampleRate()));
    ASSERT_EQ(onsets.size(), due.size());
    const double framesPerMs = synth->SampleRate() / 1000.0;
    // The click reaches a quarter of its peak a few milliseconds into its
    // attack.
    const double firstMs = double(onsets[0]) / framesPerMs;
    EXPECT_GE(firstMs, synth->LatencyMs() - 1000.0 * kBlockFrames / synth->SampleRate())
        << "the first note waits the fixed delay";
    EXPECT_LT(firstMs, synth->LatencyMs() + 10.0);
    for (std::size_t i = 1; i < due.size(); ++i) {
        const double expected = due[i] * framesPerMs;
        EXPECT_NEAR(double(onsets[i] - onsets[0]), expected, kBlockFrames)
            << "note " << i << " lies on the grid to within a block";
    }
}

TEST_F(FluidSynthScheduling, ANoteRestruckInTheBlockItEndsInKeepsSounding) {
    Send(0xC0, kOrgan);
    const Clock::time_point origin = Clock::now();
    SendAt(origin, 0.0, 0x90, 60, 100);
    // The Note Off and the next Note On fall into one block; the Note Off
    // must not silence the note struck after it.
    SendAt(origin, 99.0, 0x80, 60);
    SendAt(origin, 99.5, 0x90, 60, 100);
    const std::vector<float> samples = Render(1.5);
    double tail = 0.0;
    for (std::size_t i = samples.size() * 3 / 4; i < samples.size(); ++i) {
        tail = std::max(tail, double(std::abs(samples[i])));
    }
    EXPECT_GT(tail, 0.01) << "the organ is still held";
}

TEST_F(FluidSynthScheduling, AStopDropsScheduledNotesAndEndsSoundingOnesAtOnce) {
    Send(0xC0, kOrgan);
    Send(0x90, 60, 100);
    const Clock::time_point origin = Clock::now();
    SendAt(origin, 200.0, 0x90, 64, 100);
    Render(0.05);
    synth->DropScheduled();
    const std::vector<float> samples = Render(3.0);
    double tail = 0.0;
    for (std::size_t i = samples.size() / 2; i < samples.size(); ++i) {
        tail = std::max(tail, double(std::abs(samples[i])));
    }
    EXPECT_LT(tail, 1e-3) << "neither the held note nor the dropped one sounds on";
}

}  // namespace
