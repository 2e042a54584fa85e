#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

// Writes a stereo 16-bit PCM WAV file. The samples go to a scratch file
// beside the target, which takes the target's name only when Close has
// written the header's sizes; a writer destroyed without Close, or one that
// failed, leaves no file behind and never a half-written one in place of
// an existing file. Failures throw IOException with the program's "Write
// file error" text.
class WavWriter {
public:
    static constexpr int kChannels = 2;
    static constexpr int kBitsPerSample = 16;

    WavWriter(const std::string& path, int sampleRate);
    ~WavWriter();
    WavWriter(const WavWriter&) = delete;
    WavWriter& operator=(const WavWriter&) = delete;

    // Appends min(left.size(), right.size()) frames; samples are clipped to
    // -1..1 and scaled to -32767..32767.
    void Write(std::span<const float> left, std::span<const float> right);
    void Close();

    std::uint64_t Frames() const { return m_frames; }
    int SampleRate() const { return m_sampleRate; }

    static std::int16_t ToSample(float value);

private:
    void WriteHeader(std::uint32_t dataBytes);
    [[noreturn]] void Fail();
    void Discard();

    std::string m_path;
    std::string m_scratchPath;
    std::FILE* m_file = nullptr;
    int m_sampleRate;
    std::uint64_t m_frames = 0;
};
