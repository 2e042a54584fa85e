#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "playback/SoundEngine.h"
#include "playback/midi/CMIDIOutException.h"
#include "playback/midi/DeviceDirectory.h"
#include "playback/midi/FluidSynthBackend.h"

// The built-in synthesizer for real: FluidSynth with the SoundFont users get,
// rendering into memory instead of a sound card.
namespace {

using midi::FluidSynthBackend;
namespace fs = std::filesystem;

std::string InstalledSoundFont() {
    const auto soundFont = FluidSynthBackend::FindSoundFont();
    return soundFont ? *soundFont : std::string();
}

double Rms(const std::vector<float>& samples, std::size_t from, std::size_t to) {
    double sum = 0.0;
    for (std::size_t i = from; i < to; ++i) {
        sum += double(samples[i]) * samples[i];
    }
    return std::sqrt(sum / double(to - from));
}

// The fundamental frequency, from the shortest lag whose autocorrelation comes
// close to the best one (so an octave below is not taken for the note).
double EstimatePitch(const std::vector<float>& samples, int sampleRate) {
    const int minLag = sampleRate / 2000;
    const int maxLag = sampleRate / 50;
    const auto n = static_cast<int>(samples.size()) - maxLag;
    std::vector<double> correlation(static_cast<std::size_t>(maxLag + 1), 0.0);
    for (int lag = minLag; lag <= maxLag; ++lag) {
        for (int i = 0; i < n; ++i) {
            correlation[std::size_t(lag)] +=
                double(samples[std::size_t(i)]) * samples[std::size_t(i + lag)];
        }
    }
    const double best = *std::max_element(correlation.begin(), correlation.end());
    for (int lag = minLag + 1; lag < maxLag; ++lag) {
        const double c = correlation[std::size_t(lag)];
        if (c > 0.9 * best && c >= correlation[std::size_t(lag - 1)] &&
            c >= correlation[std::size_t(lag + 1)]) {
            return double(sampleRate) / lag;
        }
    }
    return 0.0;
}

class FluidSynthRendering : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(InstalledSoundFont().empty())
            << "scripts/setup.sh installs a General MIDI SoundFont";
        synth = std::make_unique<FluidSynthBackend>(InstalledSoundFont(),
                                                    FluidSynthBackend::Audio::Memory);
    }

    void Send(int status, int data1, int data2 = 0) {
        synth->SendShort(std::uint8_t(status), std::uint8_t(data1), std::uint8_t(data2), 3);
    }

    // The next seconds of the left channel.
    std::vector<float> Render(double seconds) {
        const auto frames = std::size_t(seconds * synth->SampleRate());
        std::vector<float> left(frames);
        std::vector<float> right(frames);
        EXPECT_TRUE(synth->Render(left, right));
        return left;
    }

    std::unique_ptr<FluidSynthBackend> synth;
};

TEST_F(FluidSynthRendering, ANoteSoundsUntilItsNoteOffAndItsReleaseHaveEnded) {
    const std::vector<float> before = Render(0.1);
    EXPECT_LT(Rms(before, 0, before.size()), 1e-6) << "nothing plays before a note";

    Send(0xC0, 19);  // church organ: it sustains as long as the key is held
    Send(0x90, 60, 100);
    const std::vector<float> held = Render(2.0);
    const double attack = Rms(held, 0, held.size() / 4);
    const double sustain = Rms(held, held.size() * 3 / 4, held.size());
    EXPECT_GT(attack, 0.005);
    EXPECT_GT(sustain, 0.5 * attack) << "a held organ note does not die away by itself";
    for (float sample : held) {
        ASSERT_LE(std::abs(sample), 1.0f);
    }

    Send(0x80, 60, 100);
    const std::vector<float> released = Render(3.0);
    const std::size_t tail = released.size() - std::size_t(0.2 * synth->SampleRate());
    EXPECT_LT(Rms(released, tail, released.size()), 1e-4) << "silent once the release is over";
    Send(0x80, 60, 0);  // a note-off for a note no longer sounding is no error
}

TEST_F(FluidSynthRendering, TheKeyDecidesThePitch) {
    Send(0xC0, 73);  // flute: nearly a pure tone
    Send(0x90, 69, 100);
    std::vector<float> a4 = Render(0.5);
    a4.erase(a4.begin(), a4.begin() + synth->SampleRate() / 5);
    EXPECT_NEAR(EstimatePitch(a4, synth->SampleRate()), 440.0, 440.0 * 0.02);
    Send(0x80, 69);
    Send(0x90, 57, 100);
    std::vector<float> a3 = Render(0.5);
    a3.erase(a3.begin(), a3.begin() + synth->SampleRate() / 5);
    EXPECT_NEAR(EstimatePitch(a3, synth->SampleRate()), 220.0, 220.0 * 0.02);
}

TEST_F(FluidSynthRendering, VolumeControlChangeQuietensTheChannel) {
    Send(0xC0, 19);
    Send(0x90, 60, 100);
    const std::vector<float> loud = Render(1.0);
    Send(0xB0, 7, 20);
    const std::vector<float> quiet = Render(1.0);
    const double loudRms = Rms(loud, loud.size() / 2, loud.size());
    const double quietRms = Rms(quiet, quiet.size() / 2, quiet.size());
    EXPECT_GT(loudRms, 0.0);
    EXPECT_LT(quietRms, loudRms / 4);
}

TEST_F(FluidSynthRendering, ProgramsDrumsAndSystemMessagesReachTheSynthesizer) {
    Send(0xC2, 40);
    EXPECT_EQ(synth->ChannelProgram(2), 40);
    EXPECT_EQ(synth->ChannelBank(2), 0);
    Send(0xC9, 0);
    EXPECT_EQ(synth->ChannelBank(9), 128) << "the tenth channel plays the drum kits";
    Send(0x99, 38, 110);  // acoustic snare
    const std::vector<float> snare = Render(0.2);
    EXPECT_GT(Rms(snare, 0, snare.size()), 0.005);

    const std::uint8_t gmSystemOn[] = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
    synth->SendLong(gmSystemOn, sizeof gmSystemOn);
    EXPECT_EQ(synth->ChannelProgram(2), 0) << "General MIDI on resets every channel";

    Send(0xC2, 40);
    synth->SendShort(0xFF, 0, 0, 1);  // system reset
    EXPECT_EQ(synth->ChannelProgram(2), 0);
}

TEST(FluidSynthBackend, FindsTheBestSoundFontInAFolderAndNamesItAfterTheFile) {
    const fs::path folder = fs::path(::testing::TempDir()) / "quillsong-sf2-choice";
    fs::remove_all(folder);
    fs::create_directories(folder / "sub");
    EXPECT_FALSE(FluidSynthBackend::FindSoundFont(folder.string()).has_value());

    std::ofstream(folder / "sub" / "GeneralUser.sf2") << "x";
    fs::create_symlink(folder / "sub" / "GeneralUser.sf2", folder / "default-GM.sf2");
    EXPECT_EQ(FluidSynthBackend::FindSoundFont(folder.string()),
              (folder / "default-GM.sf2").string());
    EXPECT_EQ(FluidSynthBackend::DisplayName((folder / "default-GM.sf2").string()),
              "Built-in synthesizer (GeneralUser)")
        << "the link is named after what it points to";

    std::ofstream(folder / "TimGM6mb.sf2") << "x";
    EXPECT_EQ(FluidSynthBackend::FindSoundFont(folder.string()),
              (folder / "TimGM6mb.sf2").string());
    std::ofstream(folder / "FluidR3_GM.sf2") << "x";
    EXPECT_EQ(FluidSynthBackend::FindSoundFont(folder.string()),
              (folder / "FluidR3_GM.sf2").string());
    EXPECT_EQ(FluidSynthBackend::DisplayName((folder / "FluidR3_GM.sf2").string()),
              "Built-in synthesizer (FluidR3_GM)");
    fs::remove_all(folder);
}

TEST(FluidSynthBackend, FailuresToOpenCarryFluidSynthsReason) {
    const std::string soundFont = InstalledSoundFont();
    ASSERT_FALSE(soundFont.empty());
    try {
        FluidSynthBackend synth(soundFont, FluidSynthBackend::Audio::System,
                                {"quillsong-no-such-driver"});
        FAIL() << "no such audio driver exists";
    } catch (const midi::CMIDIOutException& e) {
        const std::string text = e.what();
        const std::string driver = "quillsong-no-such-driver: ";
        const std::size_t at = text.find(driver);
        ASSERT_NE(at, std::string::npos) << text;
        EXPECT_GT(text.size(), at + driver.size() + 10) << "FluidSynth's reason follows: " << text;
    }

    const fs::path notASoundFont = fs::path(::testing::TempDir()) / "quillsong-not-a.sf2";
    std::ofstream(notASoundFont) << "RIFF but not really";
    try {
        FluidSynthBackend synth(notASoundFont.string(), FluidSynthBackend::Audio::Memory);
        FAIL() << "the file is no SoundFont";
    } catch (const midi::CMIDIOutException& e) {
        EXPECT_NE(std::string(e.what()).find(notASoundFont.string()), std::string::npos)
            << e.what();
    }
    fs::remove(notASoundFont);
}

TEST(FluidSynthBackend, TheSystemsAudioEitherPlaysOrSaysWhyNot) {
    const std::vector<std::string> drivers = FluidSynthBackend::DefaultAudioDrivers();
    ASSERT_FALSE(drivers.empty());
    EXPECT_EQ(std::find(drivers.begin(), drivers.end(), "jack"), drivers.end())
        << "a JACK client may try to start a server; never use it";
    try {
        FluidSynthBackend synth(InstalledSoundFont(), FluidSynthBackend::Audio::System);
        EXPECT_NE(std::find(drivers.begin(), drivers.end(), synth.AudioDriver()), drivers.end());
        std::vector<float> left(64);
        std::vector<float> right(64);
        EXPECT_FALSE(synth.Render(left, right)) << "the audio driver renders, not we";
        synth.SendShort(0x90, 60, 1, 3);
        synth.SendShort(0x80, 60, 0, 3);
    } catch (const midi::CMIDIOutException& e) {
        // A machine without a sound card or sound server, like the build machines.
        const std::string text = e.what();
        EXPECT_NE(text.find(drivers.front() + ": "), std::string::npos) << text;
    }
}

// Opens the built-in synthesizer in memory, the way the computer's directory
// opens it with sound, and keeps a look at it for the test.
class MemorySynthDirectory : public midi::DeviceDirectory {
public:
    std::vector<std::string> Names() const override {
        return {FluidSynthBackend::DisplayName(InstalledSoundFont())};
    }
    std::unique_ptr<midi::OutputBackend> Open(int id) const override {
        if (id != 0) {
            throw midi::CMIDIOutException("only the synthesizer");
        }
        auto synth = std::make_unique<FluidSynthBackend>(InstalledSoundFont(),
                                                         FluidSynthBackend::Audio::Memory);
        opened = synth.get();
        return synth;
    }
    mutable FluidSynthBackend* opened = nullptr;
};

TEST(FluidSynthThroughTheEngine, OpeningTheBuiltInSynthesizerGivesItTheSongsInstruments) {
    SoundEngine& engine = SoundEngine::Instance();
    auto directory = std::make_shared<MemorySynthDirectory>();
    engine.SetOutput(nullptr);
    engine.ResetChannels();
    engine.SetDeviceDirectory(directory);
    engine.SetTrackProgram(0, false, 73);
    engine.SetTrackProgram(1, true, 35);

    engine.OpenDevice(0, true);
    ASSERT_NE(directory->opened, nullptr);
    EXPECT_EQ(directory->opened->ChannelProgram(0), 73);
    EXPECT_EQ(directory->opened->ChannelBank(9), 128);

    engine.SetTrackVolume(0, 100);
    engine.Output()->SendShort(0x90, 72, 100);
    std::vector<float> left(std::size_t(directory->opened->SampleRate() / 2));
    std::vector<float> right(left.size());
    ASSERT_TRUE(directory->opened->Render(left, right));
    EXPECT_GT(Rms(left, 0, left.size()), 0.005);

    engine.SetDeviceDirectory(nullptr);
    engine.ResetChannels();
}

}  // namespace
