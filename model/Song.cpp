#include "model/Song.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>

#include "model/EditingState.h"
#include "model/SongRecord.h"
#include "model/SoundSettings.h"
#include "platform/Exception.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

namespace {
constexpr int kPercussionDefaultProgram = 35;
constexpr int kDefaultVolume = 100;
}  // namespace

Song::Song()
    : m_title(std::make_unique<SongText>(this, Box{100, 100, 365, 60}, "name", 60)),
      m_author(std::make_unique<SongText>(this, Box{100, 180, 250, 40}, "author", 40)) {}

Song::Song(const std::string& title, const std::string& author, int numBars, int tempo,
           TimeSignature timeSignature, int keySignature)
    : Song() {
    m_title->SetText(title);
    m_author->SetText(author);
    m_numBars = numBars;
    m_tempo = tempo;
    m_keySignature = keySignature;
    SetTimeSignature(timeSignature);
    SoundSettings::Instance().SetTempo(tempo, true);
}

Song::Song(const Song& other)
    : Undoable(),
      SelObject(other),
      m_title(std::make_unique<SongText>(*other.m_title)),
      m_author(std::make_unique<SongText>(*other.m_author)),
      m_numBars(other.m_numBars),
      m_keySignature(other.m_keySignature),
      m_tempo(other.m_tempo),
      m_box(other.m_box) {
    Subject::DetachAll();
    SetTimeSignature(other.GetTimeSignature());
    m_title->SetParent(this);
    m_author->SetParent(this);
    for (const auto& text : other.m_userTexts) {
        auto copy = std::make_unique<UserText>(*text);
        copy->SetParent(this);
        m_userTexts.push_back(std::move(copy));
    }
    for (int slot = 0; slot < other.m_numTracks; ++slot) {
        auto copy = std::make_unique<Track>(*other.m_tracks[static_cast<size_t>(slot)]);
        copy->SetParent(this);
        m_tracks[static_cast<size_t>(slot)] = std::move(copy);
    }
    m_numTracks = other.m_numTracks;
}

Song::~Song() = default;

std::unique_ptr<SelObject> Song::Clone() const {
    return std::make_unique<Song>(*this);
}

std::unique_ptr<Undoable> Song::Snapshot() const {
    return SongRecord::Of(*this);
}

std::unique_ptr<Song> Song::CopyOf(const Undoable& snapshot) {
    if (const auto* record = dynamic_cast<const SongRecord*>(&snapshot)) {
        return record->Rebuild();
    }
    const auto* song = dynamic_cast<const Song*>(&snapshot);
    return song != nullptr ? std::make_unique<Song>(*song) : nullptr;
}

SelObject* Song::HitTest(int x, int y) {
    if (SelObject* hit = m_title->HitTest(x, y)) {
        return hit;
    }
    if (SelObject* hit = m_author->HitTest(x, y)) {
        return hit;
    }
    for (const auto& text : m_userTexts) {
        if (SelObject* hit = text->HitTest(x, y)) {
            return hit;
        }
    }
    return nullptr;
}

const int* Song::GetProperty(std::string_view name) const {
    if (name == "KeySignature") {
        return &m_keySignature;
    }
    if (name == "TimeSignature") {
        return m_timeSignature;
    }
    if (name == "NumOfStepsPerBar") {
        return &m_stepsPerBar;
    }
    if (name == "NumOfStepsPerBeat") {
        return &m_stepsPerBeat;
    }
    if (name == "NumOfBeats") {
        return &m_numBeats;
    }
    return nullptr;
}

void Song::Attach(Observer* observer, int aspect) {
    SelObject::Attach(observer, aspect);
    for (int slot = 0; slot < m_numTracks; ++slot) {
        m_tracks[static_cast<size_t>(slot)]->Attach(observer, aspect);
    }
    m_title->Attach(observer, aspect);
    m_author->Attach(observer, aspect);
    for (const auto& text : m_userTexts) {
        text->Attach(observer, aspect);
    }
}

int Song::AddAccompanimentTrack() {
    if (HasAccompaniment() || m_numTracks >= kMaxTracks) {
        return -1;
    }
    const int slot = m_numTracks;
    m_tracks[static_cast<size_t>(slot)] = MakeTrack(AccompanimentTrack);
    ++m_numTracks;
    for (int i = slot; i >= 1; --i) {
        SwapTracks(i, i - 1);
    }
    // Every track moved down a slot, so every number in the channel table
    // changed. The accompaniment track itself plays through the tracks its
    // style expands to and holds no channel; only its volume is kept.
    ApplyTrackSoundSettings();
    Relayout();
    return 0;
}

int Song::AddTrebleTrack() {
    if (CountPitchedTracks() >= kMaxPitchedTracks) {
        return -1;
    }
    return AddNoteTrack(TrebleTrack);
}

int Song::AddBassTrack() {
    if (CountPitchedTracks() >= kMaxPitchedTracks) {
        return -1;
    }
    return AddNoteTrack(BassTrack);
}

int Song::AddPercussionTrack() {
    return AddNoteTrack(PercussionTrack);
}

int Song::AddNoteTrack(int trackType) {
    if (CountNonAccompanimentTracks() >= kMaxNonAccompanimentTracks || m_numTracks >= kMaxTracks) {
        return -1;
    }
    const int slot = m_numTracks;
    m_tracks[static_cast<size_t>(slot)] = MakeTrack(trackType);
    const bool percussion = trackType == PercussionTrack;
    SoundSettings& sound = SoundSettings::Instance();
    sound.SetTrackProgram(slot, percussion, percussion ? kPercussionDefaultProgram : 0);
    sound.SetTrackVolume(slot, kDefaultVolume);
    ++m_numTracks;
    Relayout();
    return slot;
}

std::unique_ptr<Track> Song::MakeTrack(int trackType) {
    auto track = std::make_unique<Track>(TrackInfo{m_numTracks, m_numBars, trackType, this});
    track->CopyObservers(*this);
    return track;
}

void Song::DeleteTrack(int slot) {
    if (slot < 0 || slot >= m_numTracks) {
        return;
    }
    // The selection or the pointer may rest on the track's bars and controls.
    EditingState::Instance().ForgetInside(m_tracks[static_cast<size_t>(slot)].get());
    for (int i = slot; i + 1 < m_numTracks; ++i) {
        m_tracks[static_cast<size_t>(i)] = std::move(m_tracks[static_cast<size_t>(i + 1)]);
        m_tracks[static_cast<size_t>(i)]->SetTrackNum(i);
    }
    --m_numTracks;
    m_tracks[static_cast<size_t>(m_numTracks)].reset();
    ApplyTrackSoundSettings();
    Relayout();
}

void Song::SwapTracks(int a, int b) {
    if (a < 0 || b < 0 || a >= m_numTracks || b >= m_numTracks || a == b) {
        return;
    }
    std::swap(m_tracks[static_cast<size_t>(a)], m_tracks[static_cast<size_t>(b)]);
    m_tracks[static_cast<size_t>(a)]->SetTrackNum(a);
    m_tracks[static_cast<size_t>(b)]->SetTrackNum(b);
}

Track* Song::GetTrack(int slot) const {
    return slot >= 0 && slot < m_numTracks ? m_tracks[static_cast<size_t>(slot)].get() : nullptr;
}

Bar* Song::GetBar(int trackSlot, int barIndex) const {
    const Track* track = GetTrack(trackSlot);
    return track != nullptr ? track->GetBar(barIndex) : nullptr;
}

int Song::CountPitchedTracks() const {
    return static_cast<int>(std::count_if(m_tracks.begin(), m_tracks.begin() + m_numTracks,
                                          [](const auto& t) { return t->IsPitched(); }));
}

int Song::CountNonAccompanimentTracks() const {
    return static_cast<int>(std::count_if(m_tracks.begin(), m_tracks.begin() + m_numTracks,
                                          [](const auto& t) { return !t->IsAccompaniment(); }));
}

int Song::CountPercussionTracks() const {
    return static_cast<int>(std::count_if(m_tracks.begin(), m_tracks.begin() + m_numTracks,
                                          [](const auto& t) { return t->IsPercussion(); }));
}

bool Song::HasAccompaniment() const {
    return m_numTracks > 0 && m_tracks[0]->IsAccompaniment();
}

void Song::SetTimeSignature(TimeSignature timeSignature) {
    m_timeSignature[0] = timeSignature.numerator;
    m_timeSignature[1] = timeSignature.denominator;
    const int n = timeSignature.numerator;
    const int d = timeSignature.denominator;
    m_stepsPerBar = d > 0 ? n * 96 / d : 0;
    m_numBeats = d == 8 ? n / 3 : n;
    m_stepsPerBeat = m_numBeats > 0 ? m_stepsPerBar / m_numBeats : 0;
}

UserText* Song::AddUserText(int x, int y) {
    auto text = std::make_unique<UserText>(this, x, y);
    text->CopyObservers(*this);
    m_userTexts.push_back(std::move(text));
    return m_userTexts.back().get();
}

void Song::RemoveUserText(UserText* text) {
    const auto found = std::find_if(m_userTexts.begin(), m_userTexts.end(),
                                    [text](const auto& owned) { return owned.get() == text; });
    if (found == m_userTexts.end()) {
        return;
    }
    EditingState& state = EditingState::Instance();
    state.ClearSelection(false);
    state.AddDirtyRect(text->GetBoundingRect());
    m_userTexts.erase(found);
    state.ClearSelection(true);
}

void Song::SetBarsPerLine(int barsPerLine) {
    Track::SetBarsPerLine(barsPerLine);
    Relayout();
}

void Song::Relayout() {
    m_title->Measure();
    m_author->Measure();
    Track* tracks[kMaxTracks] = {};
    for (int slot = 0; slot < m_numTracks; ++slot) {
        tracks[slot] = m_tracks[static_cast<size_t>(slot)].get();
    }
    for (int slot = 0; slot < m_numTracks; ++slot) {
        tracks[slot]->Layout(tracks, m_numTracks);
    }
}

void Song::ApplyTrackSoundSettings() {
    SoundSettings& sound = SoundSettings::Instance();
    sound.ResetChannels();
    for (int slot = 0; slot < m_numTracks; ++slot) {
        const Track& track = *m_tracks[static_cast<size_t>(slot)];
        if (track.IsAccompaniment()) {
            sound.SetStyleName(track.GetStyleName());
        } else {
            sound.SetTrackProgram(slot, track.IsPercussion(), track.GetMidiProgNum());
        }
        sound.SetTrackVolume(slot, track.GetVolume());
    }
}

bool Song::AppendTrack(std::unique_ptr<Track> track) {
    if (!track || m_numTracks >= kMaxTracks) {
        return false;
    }
    track->SetParent(this);
    m_tracks[static_cast<size_t>(m_numTracks)] = std::move(track);
    ++m_numTracks;
    return true;
}

namespace {

[[noreturn]] void ThrowReadError() {
    throw IOException(StringTable::Get(ids::kReadFileError));
}

// "n|d" with the limits a bar can hold: a positive number of steps that the
// beats divide, and a grid of sane size.
std::optional<Song::TimeSignature> ParseTimeSignature(const std::string& text) {
    int numerator = 0;
    int denominator = 0;
    const char* end = text.data() + text.size();
    const auto first = std::from_chars(text.data(), end, numerator);
    if (first.ec != std::errc() || first.ptr == end || *first.ptr != '|') {
        return std::nullopt;
    }
    const auto second = std::from_chars(first.ptr + 1, end, denominator);
    if (second.ec != std::errc()) {
        return std::nullopt;
    }
    const bool powerOfTwo =
        denominator > 0 && denominator <= 32 && (denominator & (denominator - 1)) == 0;
    if (numerator < 1 || numerator > 32 || !powerOfTwo) {
        return std::nullopt;
    }
    const int steps = numerator * 96 / denominator;
    const int beats = denominator == 8 ? numerator / 3 : numerator;
    if (steps < 1 || beats < 1 || steps % beats != 0) {
        return std::nullopt;
    }
    return Song::TimeSignature{numerator, denominator};
}

}  // namespace

void Song::Serialize(Archive& archive) {
    if (archive.IsStoring()) {
        Store(archive);
    } else if (archive.IsReading()) {
        Load(archive);
    }
}

void Song::Store(Archive& archive) {
    constexpr Archive::Cursor kRoot = Archive::RootElement;
    archive.CreateRoot();
    m_title->Serialize(archive);
    m_author->Serialize(archive);
    m_tempo = SoundSettings::Instance().GetTempo();
    archive.WriteInt(kRoot, "keySignature", m_keySignature);
    archive.WriteText(
        kRoot, "timeSignature",
        std::to_string(m_timeSignature[0]) + "|" + std::to_string(m_timeSignature[1]));
    archive.WriteInt(kRoot, "tempo", m_tempo);
    archive.WriteInt(kRoot, "numOfTracksCreated", m_numTracks);
    archive.WriteInt(kRoot, "numOfBars", m_numBars);
    if (m_numTracks > 0) {
        archive.WriteInt(kRoot, "numOfBarsPerLine", Track::GetBarsPerLine());
    }
    archive.WriteText(kRoot, "progVersion", "1");
    archive.WriteText(kRoot, "arcVersion", "1");
    archive.WriteText(kRoot, "ppqn", "24");
    for (int slot = 0; slot < m_numTracks; ++slot) {
        m_tracks[static_cast<size_t>(slot)]->Serialize(archive);
    }
    for (const auto& text : m_userTexts) {
        text->Serialize(archive);
    }
}

void Song::Load(Archive& archive) {
    constexpr Archive::Cursor kRoot = Archive::RootElement;
    m_title->Serialize(archive);
    m_author->Serialize(archive);
    m_keySignature = archive.ReadIntOr(kRoot, "keySignature", 0);
    const auto timeSignature =
        ParseTimeSignature(archive.ReadText(kRoot, "timeSignature").value_or(""));
    if (m_keySignature < -6 || m_keySignature > 6 || !timeSignature) {
        ThrowReadError();
    }
    SetTimeSignature(*timeSignature);
    // The transport panel offers 20 to 208; a tempo outside (or none) would
    // stall or race playback, so it is brought into that range.
    m_tempo = std::clamp(archive.ReadIntOr(kRoot, "tempo", 0), 20, 208);
    if (archive.IsLoading()) {
        SoundSettings& sound = SoundSettings::Instance();
        sound.SetKeySignature(m_keySignature);
        sound.SetTimeSignature(timeSignature->numerator, timeSignature->denominator);
        sound.SetTempo(m_tempo, true);
    }
    const int numTracks = archive.ReadIntOr(kRoot, "numOfTracksCreated", 0);
    m_numBars = archive.ReadIntOr(kRoot, "numOfBars", 0);
    const int barsPerLine = archive.ReadIntOr(kRoot, "numOfBarsPerLine", 2);
    if (numTracks < 0 || numTracks > kMaxTracks || m_numBars < 0 || m_numBars > kMaxBars ||
        (numTracks > 0 && m_numBars < 1)) {
        ThrowReadError();
    }
    LoadTracks(archive, numTracks);
    if (archive.IsLoading() && barsPerLine >= 1 && barsPerLine <= 4) {
        Track::SetBarsPerLine(barsPerLine);
    }
    for (bool more = archive.FirstUserText(); more; more = archive.NextUserText()) {
        auto text = std::make_unique<UserText>(this, 0, 0);
        text->Serialize(archive);
        m_userTexts.push_back(std::move(text));
    }
    // A style's pattern is never drawn, and laying it out would set the
    // page counters of the song on screen to the pattern's bars (and from
    // the playback thread, which prepares the accompaniment).
    if (!archive.IsLoadingPattern()) {
        Relayout();
    }
}

void Song::LoadTracks(Archive& archive, int count) {
    for (int slot = 0; slot < count; ++slot) {
        if (!archive.Has(Archive::TrackElement)) {
            ThrowReadError();
        }
        auto track = std::make_unique<Track>(TrackInfo{slot, m_numBars, UntypedTrack, this});
        m_tracks[static_cast<size_t>(slot)] = std::move(track);
        m_numTracks = slot + 1;
        m_tracks[static_cast<size_t>(slot)]->Serialize(archive);
        if (slot + 1 < count) {
            archive.NextTrack();
        }
    }
    if (!HasValidTrackSet()) {
        ThrowReadError();
    }
}

bool Song::HasValidTrackSet() const {
    // What the editor can build: one accompaniment track at most, and only on
    // top; at most 9 pitched and 16 other tracks.
    for (int slot = 1; slot < m_numTracks; ++slot) {
        if (m_tracks[static_cast<size_t>(slot)]->IsAccompaniment()) {
            return false;
        }
    }
    return CountPitchedTracks() <= kMaxPitchedTracks &&
           CountNonAccompanimentTracks() <= kMaxNonAccompanimentTracks;
}

bool Song::Transpose(int newKey, bool upward) {
    for (int slot = 0; slot < m_numTracks; ++slot) {
        if (!m_tracks[static_cast<size_t>(slot)]->Transpose(newKey, upward)) {
            return false;
        }
    }
    m_keySignature = newKey;
    return true;
}

bool Song::InsertBars(int count, int bar, bool before) {
    if (count < 1 || count > kMaxBars - m_numBars || bar < 0 || bar >= m_numBars) {
        return false;
    }
    for (int slot = 0; slot < m_numTracks; ++slot) {
        m_tracks[static_cast<size_t>(slot)]->InsertBars(count, bar, before);
    }
    m_numBars += count;
    Relayout();
    return true;
}

bool Song::DeleteBars(int first, int last) {
    if (first < 0 || last < first || last >= m_numBars || last - first + 1 >= m_numBars) {
        return false;
    }
    for (int slot = 0; slot < m_numTracks; ++slot) {
        m_tracks[static_cast<size_t>(slot)]->DeleteBars(first, last);
    }
    m_numBars -= last - first + 1;
    Relayout();
    return true;
}

bool Song::ClearBars(int trackSlot, int first, int last) {
    Track* track = GetTrack(trackSlot);
    if (track == nullptr || !track->ClearBars(first, last)) {
        return false;
    }
    Relayout();
    return true;
}
