#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Finds the clicks in a recording of evenly spaced, identical percussive
// notes and measures how far each lies from an even grid, after taking away
// the one delay that fits them best (the median). Only reads 16-bit PCM WAV
// files; works on the first channel.
class ClickTrackAnalysis {
public:
    struct Figures {
        std::size_t onsets = 0;
        // Absolute deviations from the grid, in milliseconds.
        double medianMs = 0.0;
        double p99Ms = 0.0;
        double maxMs = 0.0;
    };

    // Reads the recording; false with a reason in error when it cannot.
    bool Load(const std::string& wavPath, std::string& error);
    // Takes samples directly, at this rate.
    void SetSamples(std::vector<float> samples, int sampleRate);

    // Frames where a click starts: the first sample whose magnitude passes
    // a fraction of the loudest one, at least half a spacing after the
    // click before, so the tail of one click is never taken for the next.
    std::vector<std::size_t> Onsets(double spacingMs) const;
    // Deviations of the onsets from a grid of this spacing.
    Figures CompareWithGrid(double spacingMs) const;

    int SampleRate() const { return m_sampleRate; }

private:
    std::vector<float> m_samples;
    int m_sampleRate = 0;
};
