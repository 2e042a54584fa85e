#include "model/NewSongBuilder.h"

#include <algorithm>
#include <cctype>
#include <climits>

#include "model/SoundSettings.h"
#include "platform/StringIds.h"

namespace {
constexpr Song::TimeSignature kTimeSignatures[] = {{2, 2}, {2, 4}, {3, 4}, {4, 4}, {6, 8}};
constexpr int kNumKeys = 13;
const char* const kNewTitle = "My Great Music";
const char* const kNewAuthor = "little musician";
}  // namespace

NewSongBuilder::Outcome NewSongBuilder::Build(const NewSongSettings& settings) {
    // A negative count would let another count past its limit.
    const long long treble = std::max(0, ParseCount(settings.trebleCount));
    const long long bass = std::max(0, ParseCount(settings.bassCount));
    const long long accompaniment = std::max(0, ParseCount(settings.accompanimentCount));
    const long long percussion = std::max(0, ParseCount(settings.percussionCount));

    Outcome outcome;
    if (treble + bass > Song::kMaxPitchedTracks) {
        outcome.messageId = ids::kMaxPitchedTracks;
        return outcome;
    }
    if (treble + bass + percussion > Song::kMaxNonAccompanimentTracks) {
        outcome.messageId = ids::kMaxNonAccompanimentTracks;
        return outcome;
    }

    const Song::TimeSignature timeSignature = TimeSignatureAt(settings.timeSignatureIndex);
    const int key = KeySignatureAt(settings.keyIndex);
    SoundSettings& sound = SoundSettings::Instance();
    sound.SetKeySignature(key);
    sound.SetTimeSignature(timeSignature.numerator, timeSignature.denominator);

    const int tempo = ParseCount(settings.tempo);
    if (tempo < kMinTempo || tempo > kMaxTempo) {
        outcome.messageId = ids::kTempoRange;
        outcome.focusTempo = true;
        return outcome;
    }

    auto song =
        std::make_unique<Song>(kNewTitle, kNewAuthor, kNewSongBars, tempo, timeSignature, key);
    if (accompaniment > 0) {
        song->AddAccompanimentTrack();
    }
    for (long long i = 0; i < treble; ++i) {
        song->AddTrebleTrack();
    }
    for (long long i = 0; i < bass; ++i) {
        song->AddBassTrack();
    }
    for (long long i = 0; i < percussion; ++i) {
        song->AddPercussionTrack();
    }
    outcome.song = std::move(song);
    return outcome;
}

std::unique_ptr<Song> NewSongBuilder::FirstStartSong() {
    auto song = std::make_unique<Song>(kNewTitle, kNewAuthor, kNewSongBars, 114,
                                       Song::TimeSignature{4, 4}, 0);
    song->AddTrebleTrack();
    return song;
}

Song::TimeSignature NewSongBuilder::TimeSignatureAt(int index) {
    return kTimeSignatures[std::clamp(index, 0, 4)];
}

int NewSongBuilder::KeySignatureAt(int index) {
    return 6 - std::clamp(index, 0, kNumKeys - 1);
}

int NewSongBuilder::ParseCount(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = std::min<long long>(value * 10 + (text[i] - '0'), INT_MAX);
    }
    return static_cast<int>(negative ? -value : value);
}
