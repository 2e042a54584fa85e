#include "model/Track.h"

#include <algorithm>
#include <cstdio>

#include "model/ChordBar.h"
#include "model/EditingState.h"
#include "model/InstrumentCombo.h"
#include "model/MelodicBar.h"
#include "model/PageGeometry.h"
#include "model/PercussionBar.h"
#include "model/Song.h"
#include "model/StyleCombo.h"
#include "model/TieChain.h"
#include "model/TrackLayout.h"
#include "platform/Exception.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

namespace {
constexpr int kTrackX = 25;
constexpr int kHeaderWidth = 200;
constexpr int kLyricLineHeight = 50;

template <typename T>
std::unique_ptr<T> CloneAs(const T& source) {
    return std::unique_ptr<T>(static_cast<T*>(source.Clone().release()));
}
}  // namespace

Track::Track(const TrackInfo& info)
    : SelObject(info.song, false),
      m_trackNum(info.trackNum),
      m_numBars(std::max(0, info.numBars)),
      m_trackType(info.trackType) {
    m_box = {kTrackX, m_trackNum * 100 + 15, s_barWidth * m_numBars + 250, 0};
    if (m_trackType != UntypedTrack) {
        BuildChildren();
    }
}

Track::Track(const Track& other)
    : SelObject(other),
      m_trackNum(other.m_trackNum),
      m_numBars(other.m_numBars),
      m_trackType(other.m_trackType),
      m_muted(other.m_muted),
      m_staffHeight(other.m_staffHeight),
      m_box(other.m_box),
      m_midiProgNumCache(other.m_midiProgNumCache) {
    m_bars.reserve(other.m_bars.size());
    for (const auto& bar : other.m_bars) {
        auto copy = CloneAs(*bar);
        copy->SetParent(this);
        m_bars.push_back(std::move(copy));
    }
    if (other.m_selector) {
        m_selector = CloneAs(*other.m_selector);
        m_selector->SetParent(this);
    }
    if (other.m_slider) {
        m_slider = std::make_unique<VolumeSlider>(*other.m_slider);
        m_slider->SetParent(this);
    }
    if (other.m_title) {
        m_title = std::make_unique<TrackTitle>(*other.m_title);
        m_title->SetParent(this);
    }
}

Track::~Track() = default;

std::unique_ptr<SelObject> Track::Clone() const {
    return std::make_unique<Track>(*this);
}

SelObject* Track::HitTest(int x, int y) {
    for (const auto& bar : m_bars) {
        if (SelObject* hit = bar->HitTest(x, y)) {
            return hit;
        }
    }
    for (SelObject* control :
         std::initializer_list<SelObject*>{m_title.get(), m_selector.get(), m_slider.get()}) {
        if (control != nullptr) {
            if (SelObject* hit = control->HitTest(x, y)) {
                return hit;
            }
        }
    }
    return nullptr;
}

Rect Track::GetBoundingRect() const {
    return m_box.ToRect();
}

const int* Track::GetProperty(std::string_view name) const {
    if (name == "MidiProgNum") {
        m_midiProgNumCache = GetMidiProgNum();
        return &m_midiProgNumCache;
    }
    return SelObject::GetProperty(name);
}

void Track::Attach(Observer* observer, int aspect) {
    SelObject::Attach(observer, aspect);
    for (const auto& bar : m_bars) {
        bar->Attach(observer, aspect);
    }
    if (m_selector) {
        m_selector->Attach(observer, aspect);
    }
    if (m_slider) {
        m_slider->Attach(observer, aspect);
    }
    // The title too: a title edited on the page is recorded for undo like
    // every other text box.
    if (m_title) {
        m_title->Attach(observer, aspect);
    }
}

void Track::SetTrackTypeAndBuild(int trackType) {
    m_trackType = trackType;
    m_bars.clear();
    m_selector.reset();
    m_slider.reset();
    m_title.reset();
    if (m_trackType != UntypedTrack) {
        BuildChildren();
    }
}

Bar* Track::GetBar(int index) const {
    if (index < 0 || index >= static_cast<int>(m_bars.size())) {
        return nullptr;
    }
    return m_bars[static_cast<size_t>(index)].get();
}

void Track::SetTrackNum(int trackNum) {
    m_trackNum = trackNum;
    if (m_selector) {
        m_selector->SetChannel(trackNum);
    }
    if (m_slider) {
        m_slider->SetChannel(trackNum);
    }
}

int Track::GetMidiProgNum() const {
    if (const auto* instrument = dynamic_cast<const InstrumentCombo*>(m_selector.get())) {
        return instrument->GetProgram();
    }
    return m_selector ? m_selector->GetIndex() : 0;
}

void Track::SetProgram(int program) {
    if (auto* instrument = dynamic_cast<InstrumentCombo*>(m_selector.get())) {
        instrument->SetProgram(program, true);
    }
}

std::string Track::GetStyleName() const {
    const auto* style = dynamic_cast<const StyleCombo*>(m_selector.get());
    return style != nullptr ? style->GetStyleName() : std::string();
}

int Track::GetVolume() const {
    return m_slider ? m_slider->GetValue() : VolumeSlider::kDefaultValue;
}

void Track::SetVolume(int volume) {
    if (m_slider) {
        m_slider->SetValue(volume, true);
    }
}

std::string Track::GetTitle() const {
    return m_title ? m_title->GetText() : std::string();
}

void Track::SetTitle(const std::string& text) {
    if (m_title) {
        m_title->SetText(text);
    }
}

void Track::Layout(Track* const* tracks, int count) {
    int self = 0;
    while (self < count && tracks[self] != this) {
        ++self;
    }
    if (self == count) {
        return;
    }
    const TrackLayout layout(tracks, count, s_barsPerLine, s_barWidth);
    EditingState::Instance().SetPageCounters(m_numBars, layout.BarsPerPage());
    m_box = layout.TrackBox(self);
    for (int i = 0; i < static_cast<int>(m_bars.size()); ++i) {
        m_bars[static_cast<size_t>(i)]->PlaceNotes(layout.BarBox(self, i));
    }
    PlaceControls();
}

void Track::PlaceControls() {
    const int left = PageGeometry::kTrackLeft;
    const int top = m_box.y;
    // The chord line is only 40 high, so its controls stack from its top.
    const int titleTop = IsAccompaniment() ? top : top + 40;
    const int selectorTop = IsAccompaniment() ? top + 30 : top + 80;
    const int sliderTop = IsAccompaniment() ? top + 50 : top + 110;
    if (m_title) {
        m_title->SetBox({left, titleTop, 190, 30});
        m_title->Measure();
    }
    if (m_selector) {
        m_selector->SetRect({left, selectorTop, left + 190, selectorTop + 27});
    }
    if (m_slider) {
        m_slider->SetRect({left - 10, sliderTop, left - 10 + 200, sliderTop + 35});
    }
}

void Track::SetBarsPerLine(int barsPerLine) {
    s_barsPerLine = std::max(1, barsPerLine);
    s_barWidth = 1520 / s_barsPerLine;
}

int Track::StaffHeightFor(int trackType) {
    switch (trackType) {
        case TrebleTrack:
        case BassTrack:
            return 200;
        case PercussionTrack:
            return 120;
        case AccompanimentTrack:
            return 40;
        default:
            return 0;
    }
}

void Track::BuildChildren() {
    m_staffHeight = StaffHeightFor(m_trackType);
    m_box.height = m_staffHeight;
    m_bars.clear();
    m_bars.reserve(static_cast<size_t>(m_numBars));
    for (int i = 0; i < m_numBars; ++i) {
        m_bars.push_back(MakeBar(i));
    }
    if (IsAccompaniment()) {
        auto styles = std::make_unique<StyleCombo>(this, m_trackNum);
        styles->FillStyleList();
        m_selector = std::move(styles);
    } else {
        m_selector = std::make_unique<InstrumentCombo>(this, m_trackNum, IsPercussion());
    }
    m_slider = std::make_unique<VolumeSlider>(this, m_trackNum);
    if (IsAccompaniment()) {
        m_title = std::make_unique<TrackTitle>(this, "Accompaniment");
    } else {
        char title[32];
        std::snprintf(title, sizeof title, "Track %d", m_trackNum + 1);
        m_title = std::make_unique<TrackTitle>(this, title);
    }
}

std::unique_ptr<Bar> Track::MakeBar(int index) {
    Track* self = this;
    const Box box{m_box.x + kHeaderWidth + s_barWidth * index, m_box.y, s_barWidth, m_staffHeight};
    switch (m_trackType) {
        case TrebleTrack:
            return std::make_unique<MelodicBar>(self, index, box, false);
        case BassTrack:
            return std::make_unique<MelodicBar>(self, index, box, true);
        case PercussionTrack:
            return std::make_unique<PercussionBar>(self, index, box);
        default:
            return std::make_unique<ChordBar>(self, index, box);
    }
}

bool Track::ShowLyrics() {
    if (IsAccompaniment() || m_trackType == UntypedTrack) {
        return false;
    }
    for (const auto& bar : m_bars) {
        if (auto* noteBar = dynamic_cast<NoteBar*>(bar.get())) {
            noteBar->ShowLyrics();
        }
    }
    m_staffHeight = StaffHeightFor(m_trackType) + kLyricLineHeight;
    m_box.height = m_staffHeight;
    return true;
}

void Track::HideLyrics() {
    for (const auto& bar : m_bars) {
        if (auto* noteBar = dynamic_cast<NoteBar*>(bar.get())) {
            noteBar->HideLyrics();
        }
    }
    m_staffHeight = StaffHeightFor(m_trackType);
    m_box.height = m_staffHeight;
}

bool Track::IsLyricShown() const {
    const NoteBar* first = NoteBarAt(0);
    return first != nullptr && first->IsLyricShown();
}

bool Track::AddTie(Note* note) {
    return TieChain::Add(*this, note);
}

void Track::CutTies(Note* note, bool before, bool after) {
    TieChain::CutInTrack(*this, note, before, after);
}

bool Track::EraseTie(Note* note) {
    return TieChain::Erase(*this, note);
}

bool Track::RemoveTie(Note* note) {
    return TieChain::Erase(*this, note, false);
}

int Track::TieAccidental(const Note& note) const {
    return TieChain::TieAccidental(note);
}

bool Track::ApplyAccidental(Note* note, int accidental) {
    return TieChain::ApplyAccidental(*this, note, accidental);
}

void Track::RefreshTieAccidentals(int barIndex, char letter, int octave) {
    TieChain::RefreshAccidentals(*this, barIndex, letter, octave);
}

NoteBar* Track::NoteBarAt(int index) const {
    return dynamic_cast<NoteBar*>(GetBar(index));
}

void Track::Serialize(Archive& archive) {
    constexpr Archive::Cursor kElement = Archive::TrackElement;
    if (archive.IsStoring()) {
        archive.NewTrack();
        archive.WriteInt(kElement, "trackNum", m_trackNum);
        archive.WriteInt(kElement, "trackType", m_trackType);
        archive.WriteInt(kElement, "muted", m_muted ? 1 : 0);
        archive.WriteInt(kElement, "lyric", !IsAccompaniment() && IsLyricShown() ? 1 : 0);
    } else if (archive.IsReading()) {
        const int type = archive.ReadIntOr(kElement, "trackType", TrebleTrack);
        if (type < TrebleTrack || type > AccompanimentTrack) {
            throw IOException(StringTable::Get(ids::kReadFileError));
        }
        m_muted = archive.ReadIntOr(kElement, "muted", 0) > 0;
        SetTrackTypeAndBuild(type);
        if (archive.ReadIntOr(kElement, "lyric", 0) > 0) {
            ShowLyrics();
        }
    } else {
        return;
    }
    m_selector->Serialize(archive);
    m_slider->Serialize(archive);
    m_title->Serialize(archive);
    for (size_t i = 0; i < m_bars.size(); ++i) {
        m_bars[i]->Serialize(archive);
        if (archive.IsReading() && i + 1 < m_bars.size() && !archive.NextBar()) {
            throw IOException(StringTable::Get(ids::kReadFileError));
        }
    }
}

std::vector<std::unique_ptr<Track>> Track::GenerateAccompaniment(
    const std::vector<const Track*>& patternTracks) {
    std::vector<std::unique_ptr<Track>> outputs;
    if (!IsAccompaniment() || patternTracks.empty()) {
        return outputs;
    }
    const size_t count = std::min<size_t>(patternTracks.size(), Song::kMaxTracks);
    for (size_t i = 0; i < count; ++i) {
        const Track& pattern = *patternTracks[i];
        auto output =
            std::make_unique<Track>(TrackInfo{kFirstExpansionTrack + static_cast<int>(i), m_numBars,
                                              pattern.GetTrackType(), GetParent()});
        // Only the track takes the instrument and volume: playback and export
        // give the expanded tracks channels of their own, and telling the
        // sound settings would write the user interface's channel table from
        // the playback thread and send to the device in the middle of an export.
        if (auto* instrument = dynamic_cast<InstrumentCombo*>(output->GetSelector())) {
            instrument->SetProgram(pattern.GetMidiProgNum(), false);
        }
        output->SetTitle(pattern.GetTitle());
        output->GetVolumeSlider()->SetValue(pattern.GetVolume(), false);
        outputs.push_back(std::move(output));
    }
    ChordBar::PatternRows rows;
    for (int p = 0; p < kMaxPatternRows && patternTracks[0]->GetBar(p) != nullptr; ++p) {
        std::vector<const Bar*> row;
        for (size_t i = 0; i < count; ++i) {
            row.push_back(patternTracks[i]->GetBar(p));
        }
        rows.push_back(std::move(row));
    }
    const ChordCombo* lastStyled = nullptr;
    for (int b = 0; b < m_numBars; ++b) {
        std::vector<Bar*> outputBars;
        for (auto& output : outputs) {
            outputBars.push_back(output->GetBar(b));
        }
        static_cast<const ChordBar*>(GetBar(b))->FillAccompaniment(rows, outputBars, lastStyled);
    }
    return outputs;
}

bool Track::Transpose(int newKey, bool upward) {
    for (auto& bar : m_bars) {
        if (!bar->ChangeKey(newKey, upward)) {
            return false;
        }
    }
    return true;
}

void Track::RenumberBarsFrom(int first) {
    EditingState& state = EditingState::Instance();
    for (size_t i = static_cast<size_t>(std::max(0, first)); i < m_bars.size(); ++i) {
        m_bars[i]->SetIndex(static_cast<int>(i));
        state.AddDirtyRect(m_bars[i]->GetBoundingRect());
    }
}

bool Track::InsertBars(int count, int bar, bool before) {
    if (count < 1 || count > Song::kMaxBars - m_numBars || m_bars.empty() || bar < 0 ||
        bar >= m_numBars) {
        return false;
    }
    const int at = before ? bar : bar + 1;
    if (!IsAccompaniment()) {
        TieChain::CutAtEndOf(*this, at - 1);
        TieChain::CutAtStartOf(*this, at);
    }
    std::vector<std::unique_ptr<Bar>> fresh;
    for (int i = 0; i < count; ++i) {
        std::unique_ptr<Bar> empty(static_cast<Bar*>(m_bars.front()->Clone().release()));
        empty->SetParent(this);
        empty->ClearContent();
        fresh.push_back(std::move(empty));
    }
    m_bars.insert(m_bars.begin() + at, std::make_move_iterator(fresh.begin()),
                  std::make_move_iterator(fresh.end()));
    m_numBars += count;
    RenumberBarsFrom(at);
    EnsureFirstSubStyle();
    return true;
}

bool Track::DeleteBars(int first, int last) {
    if (first < 0 || last < first || last >= m_numBars || last - first + 1 >= m_numBars) {
        return false;
    }
    EditingState& state = EditingState::Instance();
    for (int i = first; i <= last; ++i) {
        state.ForgetInside(m_bars[static_cast<size_t>(i)].get());
        state.AddDirtyRect(m_bars[static_cast<size_t>(i)]->GetBoundingRect());
    }
    if (!IsAccompaniment()) {
        TieChain::CutAtEndOf(*this, first - 1);
        TieChain::CutAtStartOf(*this, last + 1);
    }
    m_bars.erase(m_bars.begin() + first, m_bars.begin() + last + 1);
    m_numBars -= last - first + 1;
    RenumberBarsFrom(first);
    EnsureFirstSubStyle();
    return true;
}

bool Track::ClearBars(int first, int last) {
    if (first < 0 || last < first || last >= m_numBars) {
        return false;
    }
    if (!IsAccompaniment()) {
        TieChain::CutAtEndOf(*this, first - 1);
        TieChain::CutAtStartOf(*this, last + 1);
    }
    for (int i = first; i <= last; ++i) {
        EditingState::Instance().ForgetInside(m_bars[static_cast<size_t>(i)].get());
        m_bars[static_cast<size_t>(i)]->ClearContent();
    }
    EnsureFirstSubStyle();
    return true;
}

bool Track::CopyBars(const Track& source, int first, int last, int destination, int repetitions) {
    const long long width = static_cast<long long>(last) - first + 1;
    if (first < 0 || last < first || last >= source.GetNumBars() || repetitions < 1 ||
        destination < 0 || destination + width * repetitions > m_numBars ||
        source.GetTrackType() != m_trackType) {
        return false;
    }
    for (int r = 0; r < repetitions; ++r) {
        for (int s = first; s <= last; ++s) {
            std::unique_ptr<Bar> copy(static_cast<Bar*>(source.GetBar(s)->Clone().release()));
            if (auto* notes = dynamic_cast<NoteBar*>(copy.get())) {
                if (s == first) {
                    notes->CutTiesAtStart();
                }
                if (s == last) {
                    notes->CutTiesAtEnd();
                }
            }
            Bar& target = *m_bars[static_cast<size_t>(destination + r * width + (s - first))];
            EditingState::Instance().ForgetInside(&target);
            target.PasteFrom(*copy, 0);
        }
    }
    if (!IsAccompaniment()) {
        TieChain::CutAtEndOf(*this, destination - 1);
        TieChain::CutAtStartOf(*this, static_cast<int>(destination + width * repetitions));
    }
    EnsureFirstSubStyle();
    return true;
}

void Track::EnsureFirstSubStyle() {
    if (!IsAccompaniment() || m_bars.empty()) {
        return;
    }
    ChordCombo* first = static_cast<ChordBar*>(m_bars.front().get())->GetBoxAt(0);
    if (first != nullptr && first->GetSubStyle() == ChordCombo::NoSubStyle) {
        first->SetSubStyle(ChordCombo::StyleA);
    }
}
