#include "model/NoteBar.h"

#include <algorithm>
#include <array>
#include <climits>
#include <string_view>
#include <utility>

#include "model/BeamedGroup.h"
#include "model/DeviceContext.h"
#include "model/DrawResources.h"
#include "model/DynamicMark.h"
#include "model/EditingState.h"
#include "model/Palette.h"
#include "model/TieChain.h"
#include "model/Track.h"
#include "platform/Exception.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

namespace {
constexpr int kStepsPerWhole = 96;
constexpr int kTripletStepsPerWhole = 64;
constexpr std::array<int, 6> kWrittenValues = {1, 2, 4, 8, 16, 32};
constexpr int kRestOctave = 5;

constexpr std::string_view kDigitGlyphs = "0123456789";
constexpr int kTimeSignatureDx = 160;
constexpr int kNumeratorDy = -37;
constexpr int kDenominatorDy = 3;
// The triplet mark stays above the staff's top line and clear of the stems.
constexpr int kTripletHighest = 30;
constexpr int kTripletGap = 14;
constexpr int kTripletHook = 8;
constexpr int kTripletDigitGap = 3;
// The small score font's digits are centred this far below the cell's top.
constexpr int kSmallDigitCentre = 65;
constexpr std::string_view kTripletDigit = "3";
constexpr PenSpec kBracketPen{Palette::kInk, 1};

bool IsWrittenValue(int value) {
    return std::find(kWrittenValues.begin(), kWrittenValues.end(), value) != kWrittenValues.end();
}

// A digit of the notation font, or nothing for a value it has no glyph for.
std::string_view DigitGlyph(int value) {
    return value >= 0 && value <= 9 ? kDigitGlyphs.substr(static_cast<size_t>(value), 1)
                                    : std::string_view{};
}

RestPlan PlanFor(const Bar& bar) {
    const int* signature = bar.GetProperty("TimeSignature");
    const bool sixEight = signature != nullptr && signature[0] == 6 && signature[1] == 8;
    return RestPlan(bar.GetSteps(), bar.PropertyOr("NumOfBeats", 4),
                    bar.PropertyOr("NumOfStepsPerBeat", bar.GetSteps() / 4), sixEight);
}
}  // namespace

NoteBar::NoteBar(Track* track, int index, const Box& box)
    : Bar(track, index, box), m_grid(static_cast<size_t>(GetSteps())), m_restPlan(PlanFor(*this)) {}

NoteBar::NoteBar(const NoteBar& other)
    : Bar(other),
      m_grid(other.m_grid.size()),
      m_lyrics(other.m_lyrics, this),
      m_marks(other.m_marks),
      m_restPlan(other.m_restPlan) {
    for (size_t step = 0; step < other.m_grid.size(); ++step) {
        if (const auto& chord = other.m_grid[step]) {
            m_grid[step] = std::make_unique<NoteChord>(*chord);
            m_grid[step]->SetParent(this);
        }
    }
}

SelObject* NoteBar::HitTest(int x, int y) {
    if (!GetBox().Contains(x, y)) {
        return nullptr;
    }
    for (size_t step = 0; step < m_grid.size(); ++step) {
        if (LyricText* lyric = m_lyrics.At(static_cast<int>(step))) {
            if (SelObject* hit = lyric->HitTest(x, y)) {
                return hit;
            }
        }
        if (m_grid[step]) {
            if (SelObject* hit = m_grid[step]->HitTest(x, y)) {
                return hit;
            }
        }
    }
    return this;
}

Rect NoteBar::GetBoundingRect() const {
    const Box& b = GetBox();
    const bool beginsLine = GetIndex() % Track::GetBarsPerLine() == 0;
    return {beginsLine ? b.x - 235 : b.x - 35, b.y - 85, b.x + b.width + 35, b.y + b.height + 85};
}

void NoteBar::Attach(Observer* observer, int aspect) {
    Bar::Attach(observer, aspect);
    for (size_t step = 0; step < m_grid.size(); ++step) {
        if (m_grid[step]) {
            m_grid[step]->Attach(observer, aspect);
        }
        if (LyricText* lyric = m_lyrics.At(static_cast<int>(step))) {
            lyric->Attach(observer, aspect);
        }
    }
}

std::unique_ptr<SelObject> NoteBar::CloneUntied(int edges) const {
    std::unique_ptr<SelObject> copy = Clone();
    auto& bar = static_cast<NoteBar&>(*copy);
    if (edges == 1 || edges == 3) {
        bar.CutTiesAtStart();
    }
    if (edges == 2 || edges == 3) {
        bar.CutTiesAtEnd();
    }
    return copy;
}

void NoteBar::CutEdgeTies() {
    // A tie across a bar line has an end on each side; cutting one side only
    // would leave the other pointing at nothing.
    if (NoteBar* previous = NeighbourBar(-1)) {
        previous->CutTiesAtEnd();
    }
    if (NoteBar* next = NeighbourBar(1)) {
        next->CutTiesAtStart();
    }
    CutTiesAtStart();
    CutTiesAtEnd();
}

bool NoteBar::SameKindAs(const SelObject& source) const {
    if (!source.IsA("MelodicBar") && !source.IsA("PercussionBar")) {
        return false;
    }
    return static_cast<const NoteBar&>(source).GetSteps() == GetSteps();
}

void NoteBar::PasteIfSameKind(const SelObject& source, int edges) {
    if (!SameKindAs(source)) {
        return;
    }
    // The cuts go to a copy so that the caller's source stays as it was.
    std::unique_ptr<SelObject> copy = static_cast<const NoteBar&>(source).Clone();
    auto& untied = static_cast<NoteBar&>(*copy);
    if (edges == 1 || edges == 3) {
        if (NoteBar* previous = NeighbourBar(-1)) {
            previous->CutTiesAtEnd();
        }
        untied.CutTiesAtStart();
    }
    if (edges == 2 || edges == 3) {
        if (NoteBar* next = NeighbourBar(1)) {
            next->CutTiesAtStart();
        }
        untied.CutTiesAtEnd();
    }
    PasteFrom(untied, 0);
}

void NoteBar::PlaceNotes(const Box& box) {
    SetBox(box);
    for (const auto& chord : m_grid) {
        if (chord) {
            for (int i = 0; i < chord->GetNoteCount(); ++i) {
                PlaceHead(*chord->GetNote(i));
            }
        }
    }
    m_lyrics.Place(*this);
}

void NoteBar::PasteFrom(const Bar& source, int beatOffset) {
    const auto* from = dynamic_cast<const NoteBar*>(&source);
    const int offset = beatOffset * GetStepsPerBeat();
    if (from == nullptr || beatOffset < 0 || offset >= GetSteps()) {
        return;
    }
    if (from == this) {
        const std::unique_ptr<SelObject> copy = Clone();
        PasteFrom(static_cast<const NoteBar&>(*copy), beatOffset);
        return;
    }
    ReleaseToolReferences();
    const bool lyricsShown = IsLyricShown();
    ClearFromStep(offset);
    const bool percussion = NoteClefCode() == PercussionClef;
    const int count = std::min(GetSteps() - offset, from->GetSteps());
    for (int s = 0; s < count; ++s) {
        const NoteChord* original = from->GetChordAt(s);
        if (original == nullptr || original->GetNoteCount() == 0) {
            continue;
        }
        auto chord = std::make_unique<NoteChord>(*original);
        chord->SetParent(this);
        chord->SetStep(s + offset);
        chord->SetClef(NoteClefCode());
        if (percussion) {
            // A drum track plays one sound: the chord keeps one note on the line.
            while (chord->GetNoteCount() > 1) {
                chord->RemoveNote(chord->GetNote(chord->GetNoteCount() - 1));
            }
            if (!chord->IsRest()) {
                chord->First()->SetPitch(5, 'C');
                chord->First()->SetAccidentalRaw(Note::NoAccidental);
            }
        }
        for (int i = 0; i < chord->GetNoteCount(); ++i) {
            PlaceHead(*chord->GetNote(i));
        }
        m_grid[static_cast<size_t>(s + offset)] = std::move(chord);
        if (lyricsShown) {
            LyricText& lyric = m_lyrics.Add(*this, s + offset);
            if (const LyricText* sourceLyric = from->m_lyrics.At(s)) {
                lyric.SetText(sourceLyric->GetText());
            }
        }
    }
    // Marks travel with the chords they belong to.
    for (const auto& [step, code] : from->m_marks) {
        const NoteChord* chord = GetChordAt(step + offset);
        if (step >= 0 && chord != nullptr && !chord->IsRest() && step + offset < GetSteps()) {
            m_marks.emplace(step + offset, code);
        }
    }
    if (NoteChord* last = LastChord()) {
        if (last->GetEndStep() >= GetSteps()) {
            last->SetLengthRaw(GetSteps() - last->GetStep());
        } else if (last->GetEndStep() < GetSteps() - 1) {
            // A shorter source leaves the end of the bar to rests.
            FillRange(last->GetEndStep() + 1, GetSteps() - 1 - last->GetEndStep(), 0);
        }
    }
    TieChain::MendWithin(*this);
    SyncLyrics(lyricsShown);
    Repaint();
}

void NoteBar::ClearContent() {
    ReleaseToolReferences();
    if (NoteBar* previous = NeighbourBar(-1)) {
        previous->CutTiesAtEnd();
    }
    if (NoteBar* next = NeighbourBar(1)) {
        next->CutTiesAtStart();
    }
    const bool lyricsShown = IsLyricShown();
    for (auto& chord : m_grid) {
        chord.reset();
    }
    m_lyrics.Clear();
    m_marks.clear();
    PutWholeBarRest();
    if (lyricsShown) {
        m_lyrics.Add(*this, 0);
    }
    Repaint();
}

void NoteBar::Draw(DeviceContext& dc) {
    if (!dc.RectVisible(GetBoundingRect())) {
        return;
    }
    const DrawResources& resources = DrawResources::Instance();
    dc.SelectFont(resources.scoreFont);
    dc.SelectPen(resources.blackPen);
    DrawChords(dc, 0, GetSteps(), BeatLength(), false);
    DrawTripletGroups(dc);
    DrawMarks(dc);
    dc.SelectFont(resources.scoreFont);
    for (const auto& [step, lyric] : GetLyrics()) {
        lyric->Draw(dc);
    }
}

template <typename Complete>
void NoteBar::WalkGroups(int first, int end, int unit, bool triplets, Complete&& complete) const {
    BeamedGroup group;
    int groupEnd = first;
    for (int step = std::max(first, 0); step < std::min(end, GetSteps()); ++step) {
        NoteChord* chord = m_grid[static_cast<size_t>(step)].get();
        if (chord == nullptr || chord->GetNoteCount() == 0) {
            continue;
        }
        if (chord->IsTriplet() != triplets) {
            complete(group);
            continue;
        }
        const int unitEnd = first + ((step - first) / unit + 1) * unit;
        const bool beamable =
            !chord->IsRest() && chord->GetTimeValue(true) >= 8 && chord->GetEndStep() < unitEnd;
        if (!beamable || step >= groupEnd || group.IsFull()) {
            complete(group);
            groupEnd = unitEnd;
        }
        group.Add(*chord);
        if (!beamable) {
            complete(group);
        }
    }
    complete(group);
}

int NoteBar::DrawChords(DeviceContext& dc, int first, int end, int unit, bool triplets) const {
    int top = INT_MAX;
    WalkGroups(first, end, unit, triplets,
               [&](BeamedGroup& group) { top = std::min(top, group.Flush(dc)); });
    return top;
}

bool NoteBar::StemsDownAt(const NoteChord& chord) const {
    int first = 0;
    int end = GetSteps();
    int unit = BeatLength();
    if (chord.IsTriplet()) {
        const TripletGroup group = GroupAt(chord.GetStep());
        first = group.start;
        end = group.start + group.length;
        unit = group.length;
    }
    bool down = false;
    if (unit > 0) {
        WalkGroups(first, end, unit, chord.IsTriplet(), [&](BeamedGroup& group) {
            if (group.Contains(chord)) {
                down = group.StemsDown();
            }
            group.Clear();
        });
    }
    return down;
}

int NoteBar::BeatLength() const {
    return GetStepsPerBeat() > 0 ? GetStepsPerBeat() : GetSteps();
}

void NoteBar::DrawTripletGroups(DeviceContext& dc) const {
    for (const NoteChord* chord = FirstChord(); chord != nullptr; chord = ChordAfter(*chord)) {
        const int length = chord->GetTripletLength();
        if (!chord->IsTriplet() || length <= 0) {
            continue;
        }
        const int start = chord->GetStep();
        const int top = DrawChords(dc, start, start + length, length, true);
        const NoteChord* last = GetChordAt(start + length - length / 3);
        DrawTripletMark(dc, *chord, last != nullptr ? *last : *chord, top);
    }
}

void NoteBar::DrawTripletMark(DeviceContext& dc, const NoteChord& first, const NoteChord& last,
                              int top) const {
    const DrawResources& resources = DrawResources::Instance();
    const int left = first.First()->GetBox().x;
    const int right = last.First()->GetBox().x + last.First()->GetBox().width;
    const int y = std::min(top - kTripletGap, GetBox().y + kTripletHighest);
    const int middle = (left + right) / 2;
    dc.SelectFont(resources.smallScoreFont);
    dc.SetTextColor(Palette::kInk);
    const int halfDigit = dc.TextExtent(kTripletDigit).width / 2;
    dc.Text(middle - halfDigit, y - kSmallDigitCentre, kTripletDigit);
    dc.SelectPen(kBracketPen);
    const std::array<Point, 3> leftArm{
        {{left, y + kTripletHook}, {left, y}, {middle - halfDigit - kTripletDigitGap, y}}};
    const std::array<Point, 3> rightArm{
        {{middle + halfDigit + kTripletDigitGap, y}, {right, y}, {right, y + kTripletHook}}};
    dc.Polyline(leftArm);
    dc.Polyline(rightArm);
    dc.SelectPen(resources.blackPen);
    dc.SelectFont(resources.scoreFont);
}

void NoteBar::DrawMarks(DeviceContext& dc) const {
    const int top = MarkTop();
    const int barEnd = GetBox().x + GetBox().width - 10;
    for (const auto& [step, code] : m_marks) {
        const NoteChord* chord = GetChordAt(step);
        if (chord == nullptr || chord->GetNoteCount() == 0) {
            continue;
        }
        const NoteChord* next = ChordAfter(*chord);
        const int endX = next != nullptr ? next->First()->GetBox().x : barEnd;
        DynamicMark::Draw(dc, code, NoteChord::PlacedAt(*chord->First()).x, top, endX);
    }
}

void NoteBar::DrawTimeSignature(DeviceContext& dc) const {
    const int* signature = GetProperty("TimeSignature");
    if (GetIndex() != 0 || signature == nullptr) {
        return;
    }
    const int x = GetBox().x - kHeaderWidth + kTimeSignatureDx;
    const int top = GetBox().y;
    if (const std::string_view numerator = DigitGlyph(signature[0]); !numerator.empty()) {
        dc.Text(x, top + kNumeratorDy, numerator);
    }
    if (const std::string_view denominator = DigitGlyph(signature[1]); !denominator.empty()) {
        dc.Text(x, top + kDenominatorDy, denominator);
    }
}

void NoteBar::DrawStaffLine(DeviceContext& dc, int y, bool header) const {
    const Box& box = GetBox();
    const int left = header ? box.x - kHeaderWidth : box.x;
    const int right = header ? box.x : box.x + box.width;
    dc.Line({left, y}, {right, y});
}

NoteChord* NoteBar::GetChordAt(int step) const {
    if (step < 0 || step >= static_cast<int>(m_grid.size())) {
        return nullptr;
    }
    return m_grid[static_cast<size_t>(step)].get();
}

Note* NoteBar::InsertNoteAt(int x, int y, const PencilSettings& pencil) {
    Note* written = WriteNoteAt(x, y, pencil);
    if (written != nullptr) {
        NotifyChanged();
    }
    return written;
}

Note* NoteBar::WriteNoteAt(int x, int y, const PencilSettings& pencil) {
    if (!GetBox().Contains(x, y)) {
        return nullptr;
    }
    int step = -1;
    const NoteChord* first = FirstChord();
    if (first != nullptr && first->GetStep() == 0 && first->IsRest() &&
        first->GetLength() == GetSteps()) {
        step = 0;
    } else {
        for (const NoteChord* chord = first; chord != nullptr; chord = ChordAfter(*chord)) {
            const Box& head = chord->First()->GetBox();
            if (head.x <= x && x <= head.x + head.width) {
                step = chord->GetStep();
                break;
            }
        }
    }
    if (step < 0) {
        return nullptr;
    }
    Pitch pitch{Note::kRestLetter, kRestOctave, Note::NoAccidental, false};
    if (!pencil.rest) {
        pitch = PitchAt(x, y, pencil);
        if (pitch.outside) {
            return nullptr;
        }
    }
    const NoteChord* chord = GetChordAt(step);
    if (!chord->IsRest()) {
        return InsertNote(step, pitch.letter, pitch.octave, pitch.accidental,
                          static_cast<int>(chord->GetTimeValue(true)), chord->IsDotted(),
                          chord->IsTriplet());
    }
    return InsertNote(step, pitch.letter, pitch.octave, pitch.accidental, pencil.noteValue,
                      pencil.dotted, pencil.triplet);
}

Note* NoteBar::InsertNote(int step, char letter, int octave, int accidental, int value, bool dotted,
                          bool triplet) {
    NoteChord* at = GetChordAt(step);
    const bool rest = letter == Note::kRestLetter;
    if (at == nullptr || !IsWrittenValue(value) || (dotted && triplet)) {
        return nullptr;
    }
    if (rest) {
        accidental = Note::NoAccidental;
    } else {
        if (Note::SemitoneOf(letter) < 0 || octave < kLowestOctave || octave > kHighestOctave ||
            !Note::IsValidAccidental(accidental)) {
            return nullptr;
        }
        NormalizeEnteredPitch(letter, octave, accidental);
    }
    if (!triplet && at->IsTriplet()) {
        return nullptr;
    }
    int length = 0;
    bool newGroup = false;
    TripletGroup joined;
    if (!triplet) {
        length = rest && value == 1 ? GetSteps() : kStepsPerWhole / value;
        if (dotted) {
            length += length / 2;
        }
    } else if (!at->IsTriplet()) {
        if (value == 1) {
            return nullptr;
        }
        newGroup = true;
        length = 3 * kTripletStepsPerWhole / value;
    } else {
        // Members of a group are equal; a group of other members would no
        // longer hold three.
        length = kTripletStepsPerWhole / value;
        joined = GroupAt(step);
        if (joined.start < 0 || 3 * length != joined.length) {
            return nullptr;
        }
    }
    const bool joining = joined.start >= 0;
    Note* result = nullptr;
    if (!at->IsRest()) {
        if (at->GetLength() != length || rest || newGroup || at->HasPitch(octave, letter)) {
            return nullptr;
        }
        EditingState::Instance().ClearSelection(true);
        result = AddNewNote(*at, step, letter, octave, value, accidental, dotted, triplet,
                            at->GetTripletLength(), length);
    } else {
        const int free = FreeLength(step, joining);
        const int memberLength = joining ? length : 0;
        if (free < length || !m_restPlan.Covers(step + length, free - length, memberLength)) {
            return nullptr;
        }
        EditingState::Instance().ClearSelection(true);
        DeleteChords(step, free);
        if (newGroup) {
            const int member = kTripletStepsPerWhole / value;
            result = AddNewNote(NewChord(step), step, letter, octave, value, accidental, false,
                                true, length, member);
            for (int k = 1; k < 3; ++k) {
                const int memberStep = step + k * member;
                AddNewNote(NewChord(memberStep), memberStep, Note::kRestLetter, kRestOctave, value,
                           Note::NoAccidental, false, true, 0, member);
            }
        } else {
            const int groupLength = joining && joined.start == step ? joined.length : 0;
            result = AddNewNote(NewChord(step), step, letter, octave, value, accidental, dotted,
                                triplet, groupLength, length);
        }
        FillRange(step + length, free - length, memberLength);
    }
    if (!rest) {
        RefreshAccidentals(letter, octave);
    }
    SyncLyrics();
    Repaint();
    return result;
}

bool NoteBar::EraseNoteAt(int x, int y) {
    for (NoteChord* chord = FirstChord(); chord != nullptr; chord = ChordAfter(*chord)) {
        SelObject* hit = chord->HitTest(x, y);
        if (hit != nullptr && hit->IsA("Note")) {
            if (!EraseNote(static_cast<Note*>(hit))) {
                return false;
            }
            NotifyChanged();
            return true;
        }
    }
    return false;
}

bool NoteBar::EraseNote(Note* note) {
    if (!Holds(note)) {
        return false;
    }
    const char letter = note->GetLetter();
    const int octave = note->GetOctave();
    const int step = note->GetStep();
    const bool wasRest = note->IsRest();
    EditingState::Instance().ClearSelection(true);
    TieChain::Cut(*note, true, true);
    note->SetTieMode(Note::NotTied);
    NoteChord* chord = note->GetChord();
    if (chord->GetNoteCount() == 1) {
        if (wasRest) {
            MergeRests(step);
        } else {
            chord->MakeRest();
            PlaceHead(*chord->First());
        }
    } else {
        chord->RemoveNote(note);
    }
    const NoteChord* now = GetChordAt(step);
    if (now == nullptr || now->IsRest()) {
        m_marks.erase(step);
    }
    if (!wasRest) {
        RefreshAccidentals(letter, octave);
    }
    SyncLyrics();
    Repaint();
    return true;
}

bool NoteBar::ReplaceWithRest(int step) {
    NoteChord* chord = GetChordAt(step);
    if (chord == nullptr) {
        return false;
    }
    ReleaseToolReferences();
    if (chord->IsRest()) {
        MergeRests(step);
    } else {
        for (int i = 0; i < chord->GetNoteCount(); ++i) {
            TieChain::Cut(*chord->GetNote(i), true, true);
        }
        chord->MakeRest();
        chord->First()->SetTieMode(Note::NotTied);
        PlaceHead(*chord->First());
        m_marks.erase(step);
    }
    SyncLyrics();
    Repaint();
    return true;
}

void NoteBar::MergeRests(int step) {
    const NoteChord* rest = GetChordAt(step);
    TripletGroup group = rest->IsTriplet() ? GroupAt(step) : TripletGroup{};
    int start = step;
    int length = FreeLength(step, group.start >= 0);
    int memberLength = 0;
    if (rest->IsTriplet() && group.start < 0) {
        // A triplet rest outside any group goes back to plain rests.
        length = rest->GetLength();
    } else if (group.start >= 0 && FreeLength(group.start, true) == group.length) {
        // A group whose members are all rests dissolves into plain rests,
        // whichever of its members is erased.
        start = group.start;
        length = group.length;
        group = {};
    } else if (group.start >= 0) {
        memberLength = group.length / 3;
    }
    // Rests that cannot be written again exactly stay as they are.
    if (!m_restPlan.Covers(start, length, memberLength)) {
        return;
    }
    FillRange(start, length, memberLength);
    if (group.start == step) {
        GetChordAt(step)->SetTripletLength(group.length);
    }
}

void NoteBar::FillRests(int start, int length, bool inTriplet) {
    if (start < 0 || start >= GetSteps() || length <= 0) {
        return;
    }
    length = std::min(length, GetSteps() - start);
    int memberLength = 0;
    if (inTriplet) {
        const TripletGroup group = GroupAt(start);
        memberLength = group.start >= 0 ? group.length / 3 : 0;
    }
    ReleaseToolReferences();
    FillRange(start, length, memberLength);
    SyncLyrics();
    Repaint();
}

int NoteBar::FreeLength(int step, bool inTriplet) const {
    const NoteChord* at = GetChordAt(step);
    if (at == nullptr || !at->IsRest()) {
        return 0;
    }
    int limit = GetSteps() - 1;
    const TripletGroup group = inTriplet ? GroupAt(step) : TripletGroup{};
    if (group.start >= 0) {
        limit = group.start + group.length - 1;
    } else {
        for (int s = step; s < GetSteps(); ++s) {
            if (m_grid[static_cast<size_t>(s)] && m_grid[static_cast<size_t>(s)]->IsTriplet()) {
                limit = s - 1;
                break;
            }
        }
    }
    int free = 0;
    for (int s = step; s <= limit;) {
        const NoteChord* chord = GetChordAt(s);
        if (chord == nullptr || !chord->IsRest() || chord->GetLength() <= 0) {
            break;
        }
        free += chord->GetLength();
        s += chord->GetLength();
    }
    return free;
}

NoteBar::TripletGroup NoteBar::GroupAt(int step) const {
    for (int s = std::min(step, GetSteps() - 1); s >= 0; --s) {
        const NoteChord* chord = m_grid[static_cast<size_t>(s)].get();
        if (chord == nullptr) {
            continue;
        }
        if (!chord->IsTriplet()) {
            return {};
        }
        if (chord->GetTripletLength() > 0) {
            if (s + chord->GetTripletLength() > step) {
                return {s, chord->GetTripletLength()};
            }
            return {};
        }
    }
    return {};
}

bool NoteBar::AddMark(int step, int code) {
    const NoteChord* chord = GetChordAt(step);
    if (chord == nullptr || DynamicMark::NameOf(code) == nullptr) {
        return false;
    }
    m_marks.erase(step);
    if (chord->IsRest()) {
        return false;
    }
    m_marks.emplace(step, code);
    Repaint();
    return true;
}

bool NoteBar::AddMarkByName(int step, std::string_view name) {
    const int code = DynamicMark::CodeOf(name);
    return code >= 0 && AddMark(step, code);
}

void NoteBar::RemoveMarks(int step) {
    m_marks.erase(step);
}

bool NoteBar::HasMark(int step, int code) const {
    const auto [first, last] = m_marks.equal_range(step);
    return std::any_of(first, last, [code](const auto& mark) { return mark.second == code; });
}

void NoteBar::ShowLyrics() {
    if (IsLyricShown()) {
        return;
    }
    SyncLyrics(true);
}

void NoteBar::HideLyrics() {
    ReleaseToolReferences();
    m_lyrics.Clear();
}

void NoteBar::SyncLyrics() {
    SyncLyrics(IsLyricShown());
}

void NoteBar::SyncLyrics(bool shown) {
    if (shown) {
        ReleaseToolReferences();
        m_lyrics.Sync(*this);
    }
}

void NoteBar::CutTiesAtStart() {
    TieChain::CutAtStart(*this);
}

void NoteBar::CutTiesAtEnd() {
    TieChain::CutAtEnd(*this);
}

void NoteBar::ClearFrom(int beat) {
    const int step = beat * GetStepsPerBeat();
    if (beat < 0 || step >= GetSteps()) {
        return;
    }
    ReleaseToolReferences();
    const bool lyricsShown = IsLyricShown();
    ClearFromStep(step);
    // Left alone the cleared steps would be a hole in the grid.
    FillRange(step, GetSteps() - step, 0);
    SyncLyrics(lyricsShown);
    Repaint();
}

NoteChord* NoteBar::FirstChord() const {
    for (const auto& chord : m_grid) {
        if (chord) {
            return chord.get();
        }
    }
    return nullptr;
}

NoteChord* NoteBar::LastChord() const {
    for (auto it = m_grid.rbegin(); it != m_grid.rend(); ++it) {
        if (*it) {
            return it->get();
        }
    }
    return nullptr;
}

NoteChord* NoteBar::ChordAfter(const NoteChord& chord) const {
    for (int s = chord.GetStep() + 1; s < GetSteps(); ++s) {
        if (m_grid[static_cast<size_t>(s)]) {
            return m_grid[static_cast<size_t>(s)].get();
        }
    }
    return nullptr;
}

NoteChord* NoteBar::ChordBefore(const NoteChord& chord) const {
    for (int s = std::min(chord.GetStep(), GetSteps()) - 1; s >= 0; --s) {
        if (m_grid[static_cast<size_t>(s)]) {
            return m_grid[static_cast<size_t>(s)].get();
        }
    }
    return nullptr;
}

NoteBar* NoteBar::NeighbourBar(int delta) const {
    const Track* track = GetTrack();
    if (track == nullptr || track->GetBar(GetIndex()) != this) {
        return nullptr;
    }
    return dynamic_cast<NoteBar*>(track->GetBar(GetIndex() + delta));
}

int NoteBar::StepX(const Note& note) const {
    const Box& box = GetBox();
    if (note.IsRest() && note.GetLength() == GetSteps()) {
        return box.x + box.width / 2;
    }
    const double offset =
        static_cast<double>(note.GetStep()) * (box.width - 40) / static_cast<double>(GetSteps());
    return box.x + 40 + static_cast<int>(offset);
}

Box NoteBar::HeadBox(const Placement& placement, bool rest) {
    // A head is one staff space high, centred on its line or space (y + 5);
    // a rest stands over three spaces around the middle line.
    if (rest) {
        return {placement.x - 10, placement.y - 25, 20, 60};
    }
    return {placement.x - 10, placement.y - 5, 20, 20};
}

void NoteBar::PutWholeBarRest() {
    NoteChord& chord = NewChord(0);
    AddNewNote(chord, 0, Note::kRestLetter, 1, 1, Note::NoAccidental, false, false, 0, GetSteps());
}

void NoteBar::PlaceHead(Note& note) const {
    note.SetBox(HeadBox(PlaceNote(note), note.IsRest()));
}

void NoteBar::ReleaseToolReferences() const {
    EditingState::Instance().ForgetOwnedBy(this);
}

NoteChord& NoteBar::NewChord(int step) {
    auto chord = std::make_unique<NoteChord>(this);
    chord->CopyObservers(*this);
    m_grid[static_cast<size_t>(step)] = std::move(chord);
    return *m_grid[static_cast<size_t>(step)];
}

Note* NoteBar::AddNewNote(NoteChord& chord, int step, char letter, int octave, int value,
                          int accidental, bool dotted, bool triplet, int groupLength, int length) {
    auto note = std::make_unique<Note>(&chord, step, letter, octave, value, accidental, dotted,
                                       NoteClefCode(), triplet, groupLength);
    note->SetLengthRaw(length);
    Note* added = chord.AddNote(std::move(note));
    PlaceHead(*added);
    return added;
}

void NoteBar::DeleteChords(int first, int count) {
    const int last = std::min(first + count, GetSteps());
    for (int s = std::max(first, 0); s < last; ++s) {
        m_grid[static_cast<size_t>(s)].reset();
        m_marks.erase(s);
    }
}

void NoteBar::FillRange(int start, int length, int memberLength) {
    const bool inGroup = memberLength > 0;
    DeleteChords(start, length);
    for (const RestPlan::Rest& rest : m_restPlan.Plan(start, length, memberLength)) {
        AddNewNote(NewChord(rest.step), rest.step, Note::kRestLetter, kRestOctave, rest.value,
                   Note::NoAccidental, false, inGroup, 0, rest.length);
    }
}

void NoteBar::ClearFromStep(int step) {
    for (int s = step; s < GetSteps(); ++s) {
        m_grid[static_cast<size_t>(s)].reset();
    }
    m_lyrics.EraseFrom(step);
    m_marks.erase(m_marks.lower_bound(step), m_marks.end());
    if (step <= 0) {
        return;
    }
    for (int s = step - 1; s >= 0; --s) {
        if (NoteChord* chord = m_grid[static_cast<size_t>(s)].get()) {
            if (chord->GetEndStep() >= step) {
                chord->SetLengthRaw(step - s);
                for (int i = 0; i < chord->GetNoteCount(); ++i) {
                    PlaceHead(*chord->GetNote(i));
                }
            }
            break;
        }
    }
}

void NoteBar::RefreshAccidentals(char letter, int octave) {
    Track* track = GetTrack();
    if (track != nullptr && track->GetBar(GetIndex()) == this) {
        track->RefreshTieAccidentals(GetIndex(), letter, octave);
    }
}

bool NoteBar::Holds(const Note* note) const {
    const NoteChord* chord = note != nullptr ? note->GetChord() : nullptr;
    return chord != nullptr && chord->GetParent() == this && GetChordAt(chord->GetStep()) == chord;
}

void NoteBar::Serialize(Archive& archive) {
    if (archive.IsStoring()) {
        Store(archive);
    } else if (archive.IsReading()) {
        Load(archive);
    }
}

void NoteBar::Store(Archive& archive) {
    archive.NewBar();
    for (size_t step = 0; step < m_grid.size(); ++step) {
        if (!m_grid[step]) {
            continue;
        }
        m_grid[step]->Serialize(archive);
        if (LyricText* lyric = m_lyrics.At(static_cast<int>(step))) {
            lyric->Serialize(archive);
        }
        const auto mark = m_marks.find(static_cast<int>(step));
        if (mark != m_marks.end()) {
            if (const char* name = DynamicMark::NameOf(mark->second)) {
                archive.WriteText(Archive::BarElemElement, "dyn", name);
            }
        }
    }
}

void NoteBar::Load(Archive& archive) {
    if (!archive.Has(Archive::BarElement)) {
        throw IOException(StringTable::Get(ids::kReadFileError));
    }
    const bool lyricsShown = IsLyricShown();
    ReleaseToolReferences();
    for (auto& chord : m_grid) {
        chord.reset();
    }
    m_lyrics.Clear();
    m_marks.clear();
    for (bool more = archive.Has(Archive::BarElemElement); more; more = archive.NextBarElem()) {
        LoadElement(archive, lyricsShown);
    }
    if (!IsConsistent()) {
        throw IOException(StringTable::Get(ids::kReadFileError));
    }
    // A mark read before its chord was known to be a rest does not stay.
    std::erase_if(m_marks, [this](const auto& mark) { return GetChordAt(mark.first)->IsRest(); });
    if (lyricsShown) {
        m_lyrics.Sync(*this);
    }
    PlaceNotes(GetBox());
}

void NoteBar::LoadElement(Archive& archive, bool lyricsShown) {
    auto note = std::make_unique<Note>(nullptr, 0, 'C', 5, 4, Note::NoAccidental, false,
                                       NoteClefCode(), false, 0);
    note->Serialize(archive);
    const int step = note->GetStep();
    const bool fits = step >= 0 && step < GetSteps() && note->GetLength() >= 1 &&
                      note->GetLength() <= GetSteps() - step &&
                      (Note::SemitoneOf(note->GetLetter()) >= 0 || note->IsRest()) &&
                      note->GetAccidental() >= Note::Sharp &&
                      note->GetAccidental() <= Note::DoubleFlat && note->GetTieMode() >= 0 &&
                      note->GetTieMode() <= Note::TieEnd && note->GetOctave() >= kLowestOctave &&
                      note->GetOctave() <= kHighestOctave && note->GetTripletLength() >= 0;
    if (!fits) {
        throw IOException(StringTable::Get(ids::kReadFileError));
    }
    note->SetClef(NoteClefCode());
    NormalizeLoadedNote(*note);
    auto& slot = m_grid[static_cast<size_t>(step)];
    if (!slot) {
        slot = std::make_unique<NoteChord>(this);
    }
    slot->AddNote(std::move(note));
    if (lyricsShown) {
        m_lyrics.Add(*this, step)
            .SetText(archive.ReadText(Archive::BarElemElement, "lyric").value_or(std::string()));
    }
    if (const auto name = archive.ReadText(Archive::BarElemElement, "dyn")) {
        const int code = DynamicMark::CodeOf(*name);
        if (code >= 0) {
            m_marks.erase(step);
            m_marks.emplace(step, code);
        }
    }
}

bool NoteBar::IsConsistent() const {
    // Chords must tile the bar; every note of a chord shares its step, length
    // and triplet flag; triplet chords lie inside a group started by a chord
    // that records the group's length.
    int groupEnd = 0;
    int step = 0;
    while (step < GetSteps()) {
        const NoteChord* chord = GetChordAt(step);
        if (chord == nullptr || chord->GetNoteCount() == 0) {
            return false;
        }
        const Note& first = *chord->First();
        for (int n = 1; n < chord->GetNoteCount(); ++n) {
            const Note& other = *chord->GetNote(n);
            if (other.GetLength() != first.GetLength() || other.IsTriplet() != first.IsTriplet() ||
                other.IsRest() || first.IsRest()) {
                return false;
            }
        }
        if (first.IsTriplet() && first.GetTripletLength() > 0) {
            if (step < groupEnd || first.GetTripletLength() > GetSteps() - step) {
                return false;
            }
            groupEnd = step + first.GetTripletLength();
        }
        if (first.IsTriplet() != (step < groupEnd) ||
            (first.IsTriplet() && step + first.GetLength() > groupEnd)) {
            return false;
        }
        for (int covered = step + 1; covered < step + first.GetLength(); ++covered) {
            if (GetChordAt(covered) != nullptr) {
                return false;
            }
        }
        step += first.GetLength();
    }
    return step == GetSteps();
}
