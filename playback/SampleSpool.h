#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

class WavWriter;

// Keeps rendered stereo frames, as 32-bit floats, in a scratch file and tracks
// their peak, so that a whole render can be scaled once it is complete
// without holding it in memory. The scratch file is removed when the spool is
// destroyed. Failures throw IOException with the program's "Write file error"
// text.
class SampleSpool {
public:
    SampleSpool(const std::string& scratchPath, int sampleRate);
    ~SampleSpool();
    SampleSpool(const SampleSpool&) = delete;
    SampleSpool& operator=(const SampleSpool&) = delete;

    // Appends min(left.size(), right.size()) frames.
    void Write(std::span<const float> left, std::span<const float> right);

    std::uint64_t Frames() const { return m_frames; }
    int SampleRate() const { return m_sampleRate; }
    // The largest magnitude written to either channel (not-a-number and
    // infinities aside); 0 when nothing was.
    float Peak() const { return m_peak; }
    // The factor that puts the peak at the level in dB below full scale. A
    // spool that would write as 16-bit silence (its peak under half a step)
    // stays as it is: factor 1.
    float GainToPeakAt(double decibels) const;

    // Writes every frame, times the gain, to the WAV file; once, after the
    // last Write.
    void CopyTo(WavWriter& wav, float gain);

private:
    [[noreturn]] void Fail();
    void Discard();

    std::string m_path;
    std::FILE* m_file = nullptr;
    int m_sampleRate;
    std::uint64_t m_frames = 0;
    float m_peak = 0.0f;
};
