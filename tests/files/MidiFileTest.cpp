#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "files/ControllerEvent.h"
#include "files/EndOfTrack.h"
#include "files/KeySign.h"
#include "files/MidiFile.h"
#include "files/NoteOffEvent.h"
#include "files/NoteOnEvent.h"
#include "files/ProgramChangeEvent.h"
#include "files/Tempo.h"
#include "files/TextEvent.h"
#include "files/TimeSign.h"
#include "files/TrackName.h"
#include "support/FileSizeLimit.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Encoded(Event& event, std::uint32_t delta) {
    event.Encode(delta);
    return event.Bytes();
}

Bytes VariableLength(std::uint32_t value) {
    Bytes out;
    Event::AppendVariableLength(out, value);
    return out;
}

TEST(MidiEventTest, VariableLengthQuantities) {
    EXPECT_EQ(VariableLength(0), (Bytes{0x00}));
    EXPECT_EQ(VariableLength(0x7F), (Bytes{0x7F}));
    EXPECT_EQ(VariableLength(0x80), (Bytes{0x81, 0x00}));
    EXPECT_EQ(VariableLength(200), (Bytes{0x81, 0x48}));
    EXPECT_EQ(VariableLength(0x3FFF), (Bytes{0xFF, 0x7F}));
    EXPECT_EQ(VariableLength(0x4000), (Bytes{0x81, 0x80, 0x00}));
    EXPECT_EQ(VariableLength(0x1FFFFF), (Bytes{0xFF, 0xFF, 0x7F}));
    EXPECT_EQ(VariableLength(0x200000), (Bytes{0x81, 0x80, 0x80, 0x00}));
    EXPECT_EQ(VariableLength(0x0FFFFFFF), (Bytes{0xFF, 0xFF, 0xFF, 0x7F}));
}

TEST(MidiEventTest, ChannelEventsCarryTheirStatusByte) {
    NoteOnEvent on(10, 3, 60, 100);
    EXPECT_EQ(Encoded(on, 200), (Bytes{0x81, 0x48, 0x93, 60, 100}));
    NoteOffEvent off(10, 9, 42, 0);
    EXPECT_EQ(Encoded(off, 0), (Bytes{0x00, 0x89, 42, 0}));
    ControllerEvent volume(0, 15, 7, 127);
    EXPECT_EQ(Encoded(volume, 0), (Bytes{0x00, 0xBF, 7, 127}));
    ProgramChangeEvent program(0, 1, 40);
    EXPECT_EQ(Encoded(program, 5), (Bytes{0x05, 0xC1, 40}));
    EXPECT_EQ(off.Rank(), 1);
    EXPECT_EQ(on.Rank(), 2);
    EXPECT_EQ(program.Rank(), 0);
}

TEST(MidiEventTest, MetaEvents) {
    TextEvent text(0, "Created with Quillsong3");
    Bytes expected = {0x00, 0xFF, 0x01, 23};
    for (char c : std::string("Created with Quillsong3")) {
        expected.push_back(static_cast<std::uint8_t>(c));
    }
    EXPECT_EQ(Encoded(text, 0), expected);
    TrackName name(0, "");
    EXPECT_EQ(Encoded(name, 0), (Bytes{0x00, 0xFF, 0x03, 0x00}));
    TimeSign time(0, 6, 3, 36, 8);
    EXPECT_EQ(Encoded(time, 0), (Bytes{0x00, 0xFF, 0x58, 0x04, 6, 3, 36, 8}));
    KeySign key(0, -3, false);
    EXPECT_EQ(Encoded(key, 0), (Bytes{0x00, 0xFF, 0x59, 0x02, 0xFD, 0x00}));
    Tempo tempo(0, 666666);
    EXPECT_EQ(Encoded(tempo, 0), (Bytes{0x00, 0xFF, 0x51, 0x03, 0x0A, 0x2C, 0x2A}));
    EndOfTrack end(96);
    EXPECT_EQ(Encoded(end, 1), (Bytes{0x01, 0xFF, 0x2F, 0x00}));
    const std::string longText(300, 'x');
    TextEvent big(0, longText);
    EXPECT_EQ(Encoded(big, 0).size(), 1u + 2u + 2u + 300u)
        << "the length is a variable-length quantity";
}

TEST(MidiTrackTest, EventsSortByTimeThenRankWithEndOfTrackLast) {
    MidiTrack track;
    track.AddEvent(std::make_unique<EndOfTrack>(24));
    track.AddEvent(std::make_unique<NoteOnEvent>(24, 0, 62, 76));
    track.AddEvent(std::make_unique<NoteOnEvent>(0, 0, 60, 76));
    track.AddEvent(std::make_unique<NoteOffEvent>(24, 0, 60, 0));
    track.AddEvent(std::make_unique<ControllerEvent>(0, 0, 7, 100));
    track.AddEvent(std::make_unique<NoteOffEvent>(24, 0, 62, 0));
    Bytes chunk;
    track.AppendChunk(chunk);
    const Bytes body = {0x00, 0xB0, 7,    100,                     // controller first at 0
                        0x00, 0x90, 60,   76,                      // then the note on
                        0x18, 0x80, 60,   0,   0x00, 0x80, 62, 0,  // offs before the on at 24,
                        0x00, 0x90, 62,   76,                      // in the order they were added
                        0x00, 0xFF, 0x2F, 0x00};
    Bytes expected = {'M', 'T', 'r', 'k', 0, 0, 0, static_cast<std::uint8_t>(body.size())};
    expected.insert(expected.end(), body.begin(), body.end());
    EXPECT_EQ(chunk, expected);
}

class MidiFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir =
            std::filesystem::temp_directory_path() / ("quillsong-midi-" + std::to_string(getpid()));
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    static std::unique_ptr<MidiFile> OneNoteFile() {
        auto file = std::make_unique<MidiFile>();
        file->SetTrackCount(1);
        auto track = std::make_unique<MidiTrack>();
        track->AddEvent(std::make_unique<NoteOnEvent>(0, 0, 60, 100));
        track->AddEvent(std::make_unique<NoteOffEvent>(24, 0, 60, 0));
        track->AddEvent(std::make_unique<EndOfTrack>(24));
        file->AddTrack(std::move(track));
        return file;
    }
    static Bytes ReadAll(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }
    std::filesystem::path dir;
};

TEST_F(MidiFileTest, HeaderAndTracksAreBigEndian) {
    const auto path = dir / "one.mid";
    ASSERT_EQ(OneNoteFile()->Write(path.string()), 0);
    const Bytes bytes = ReadAll(path);
    const Bytes header = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 1, 0, 24};
    ASSERT_GE(bytes.size(), header.size() + 8);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 14), header);
    EXPECT_EQ(Bytes(bytes.begin() + 14, bytes.begin() + 22),
              (Bytes{'M', 'T', 'r', 'k', 0, 0, 0, 12}));
    EXPECT_EQ(bytes.size(), 22u + 12u);
}

TEST_F(MidiFileTest, AFileThatCannotBeCreatedIsReported) {
    EXPECT_EQ(OneNoteFile()->Write((dir / "missing" / "x.mid").string()), -1);
}

TEST_F(MidiFileTest, AFullDiskIsReportedAndLeavesTheOldFile) {
    const auto path = dir / "full.mid";
    std::ofstream(path) << "previous";
    auto file = OneNoteFile();
    auto* track = file->Tracks()[0].get();
    for (std::uint32_t t = 0; t < 2000; ++t) {
        track->AddEvent(std::make_unique<NoteOnEvent>(t, 0, 60, 100));
    }
    int result = 0;
    {
        const FileSizeLimit fullDisk(100);
        ASSERT_TRUE(fullDisk.IsActive());
        result = file->Write(path.string());
    }
    EXPECT_EQ(result, -1);
    const Bytes old = ReadAll(path);
    EXPECT_EQ(std::string(old.begin(), old.end()), "previous");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir),
                            std::filesystem::directory_iterator()),
              1);
}

}  // namespace
