#include "model/MelodicBar.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <vector>

#include "model/DeviceContext.h"
#include "model/DrawResources.h"
#include "model/Palette.h"
#include "model/TieChain.h"
#include "model/Track.h"

namespace {
// Treble position 0 is G4, bass position 0 is B2.
constexpr int kTrebleBottom = 7 * 4 + 4;
constexpr int kBassBottom = 7 * 2 + 6;
constexpr int kLowestLedgerLine = 3;
constexpr int kHighestLedgerLine = 15;
constexpr int kWholeBarLedgerWidth = 44;
constexpr int kLedgerWidth = 34;

constexpr std::array<int, 5> kStaffLinePositions = {5, 7, 9, 11, 13};
constexpr std::string_view kTrebleClefGlyph = ";";
constexpr std::string_view kBassClefGlyph = "<";
constexpr std::string_view kSharpGlyph = "=";
constexpr std::string_view kFlatGlyph = "?";
constexpr int kClefDx = 16;
constexpr int kTrebleClefDy = 4;
constexpr int kBassClefDy = -36;
constexpr int kKeyDx = 60;
constexpr int kKeySpacing = 13;
constexpr int kBassKeyDy = 20;
// Where each sharp (F C G D A E) and flat (B E A D G C) of a treble key
// signature stands; a bass key stands one staff space lower.
constexpr std::array<int, 6> kSharpDy = {-55, -25, -65, -35, -5, -45};
constexpr std::array<int, 6> kFlatDy = {-15, -48, -5, -36, 5, -26};

int FloorDiv(int a, int b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

struct Spelling {
    char letter;
    int accidental;
};
// Keys spelled with sharps, by key mod 12.
constexpr std::array<Spelling, 12> kSharpSpelling = {{{'C', Note::Natural},
                                                      {'C', Note::Sharp},
                                                      {'D', Note::Natural},
                                                      {'D', Note::Sharp},
                                                      {'E', Note::Natural},
                                                      {'F', Note::Natural},
                                                      {'F', Note::Sharp},
                                                      {'G', Note::Natural},
                                                      {'G', Note::Sharp},
                                                      {'A', Note::Natural},
                                                      {'A', Note::Sharp},
                                                      {'B', Note::Natural}}};
}  // namespace

MelodicBar::MelodicBar(Track* track, int index, const Box& box, bool isBass)
    : NoteBar(track, index, box), m_clef(isBass ? BassClef : TrebleClef) {
    PutWholeBarRest();
}

std::unique_ptr<SelObject> MelodicBar::Clone() const {
    return std::make_unique<MelodicBar>(*this);
}

bool MelodicBar::ChangeKey(int newKey, bool upward) {
    if (newKey < -6 || newKey > 6) {
        return false;
    }
    const int oldKey = PropertyOr("KeySignature", 0);
    int steps = TonicLetterOfKey(newKey) - TonicLetterOfKey(oldKey);
    if (steps > 0 && !upward) {
        steps -= 7;
    } else if (steps < 0 && upward) {
        steps += 7;
    }
    struct Rewrite {
        Note* note;
        char letter;
        int octave;
        int accidental;
    };
    // Everything is worked out before anything changes, so a refusal leaves
    // the bar as it was.
    std::vector<Rewrite> rewrites;
    for (NoteChord* chord = FirstChord(); chord != nullptr; chord = ChordAfter(*chord)) {
        if (chord->IsRest()) {
            continue;
        }
        for (int i = 0; i < chord->GetNoteCount(); ++i) {
            Note* note = chord->GetNote(i);
            if (Note::RankOf(note->GetLetter()) < 0) {
                continue;
            }
            Rewrite rewrite{note, note->GetLetter(), note->GetOctave(), note->GetAccidental()};
            MoveDiatonic(rewrite.letter, rewrite.octave, steps);
            if (rewrite.accidental != Note::NoAccidental) {
                const int relative =
                    Note::AlterationOf(rewrite.accidental) -
                    Note::AlterationOf(KeyAccidentalFor(oldKey, note->GetLetter()));
                const int alteration =
                    Note::AlterationOf(KeyAccidentalFor(newKey, rewrite.letter)) + relative;
                if (alteration < -2 || alteration > 2) {
                    return false;
                }
                rewrite.accidental = Note::AccidentalFor(alteration);
            }
            rewrites.push_back(rewrite);
        }
    }
    for (const Rewrite& rewrite : rewrites) {
        rewrite.note->SetPitch(rewrite.octave, rewrite.letter);
        rewrite.note->SetAccidentalRaw(rewrite.accidental);
        PlaceHead(*rewrite.note);
    }
    return true;
}

int MelodicBar::MidiKeyOf(const Note& note) const {
    const int semitone = Note::SemitoneOf(note.GetLetter());
    if (note.IsRest() || semitone < 0) {
        return -1;
    }
    int alteration = Note::AlterationOf(KeyAccidentalOf(note.GetLetter()));
    const int last = std::min(note.GetStep(), GetSteps() - 1);
    for (int step = 0; step <= last; ++step) {
        const NoteChord* chord = GetChordAt(step);
        if (chord == nullptr || chord->IsRest()) {
            continue;
        }
        const Note* same = chord->FindPitch(note.GetOctave(), note.GetLetter());
        if (same == nullptr) {
            continue;
        }
        const bool continuesTie = same->IsTieMiddle() || same->IsTieEnd();
        const int accidental =
            continuesTie ? TieChain::TieAccidental(*same) : same->GetAccidental();
        if (accidental != Note::NoAccidental) {
            alteration = Note::AlterationOf(accidental);
        }
    }
    return 12 * note.GetOctave() + semitone + alteration;
}

NoteBar::Placement MelodicBar::PlaceNote(const Note& note) const {
    Placement placement;
    placement.x = StepX(note);
    const int top = GetBox().y;
    if (note.IsRest()) {
        // The half rest's glyph hangs one unit lower; a whole-bar rest draws
        // the whole rest whatever its length.
        const double value = note.GetTimeValue(false);
        const bool wholeBar = note.GetLength() == GetSteps() && !note.IsDotted();
        const bool halfRest = !wholeBar && value > 1.0 && value <= 2.0;
        placement.y = top + (halfRest ? 81 : 80);
        return placement;
    }
    const int position = StaffPositionOf(note);
    placement.y = top + 180 - 10 * (position + 1);
    placement.onLine = position % 2 != 0;
    if (position <= kLowestLedgerLine) {
        placement.ledgerBelow = (kLowestLedgerLine - position) / 2 + 1;
    } else if (position >= kHighestLedgerLine) {
        placement.ledgerAbove = (position - kHighestLedgerLine) / 2 + 1;
    }
    if (placement.ledgerBelow + placement.ledgerAbove > 0) {
        placement.ledgerWidth =
            note.GetLength() == GetSteps() ? kWholeBarLedgerWidth : kLedgerWidth;
    }
    return placement;
}

NoteBar::Pitch MelodicBar::PitchAt(int x, int y, const PencilSettings& pencil) const {
    const Box& box = GetBox();
    Pitch pitch;
    int position = 0;
    pitch.outside = true;
    if (box.x <= x && x <= box.x + box.width) {
        position = PositionAtHeight(y);
        pitch.outside = position < 0 || position >= kNumStaffPositions;
    }
    if (pitch.outside) {
        const int bottom = box.y + 170;
        const int topmost = box.y;
        position = std::abs(y - bottom) < std::abs(y - topmost) ? 0 : kNumStaffPositions - 1;
    }
    pitch.letter = StaffLetter(position);
    pitch.octave = StaffOctave(position);
    const int chosen = pencil.accidental;
    pitch.accidental = chosen >= Note::Sharp && chosen <= Note::NoAccidental ? chosen : Note::Sharp;
    return pitch;
}

char MelodicBar::StaffLetter(int position) const {
    return Note::LetterOfRank(BottomDiatonic() + position);
}

int MelodicBar::StaffOctave(int position) const {
    return FloorDiv(BottomDiatonic() + position, 7);
}

int MelodicBar::StaffPositionOf(const Note& note) const {
    return 7 * note.GetOctave() + Note::RankOf(note.GetLetter()) - BottomDiatonic();
}

int MelodicBar::KeyAccidentalOf(char letter) const {
    return KeyAccidentalFor(PropertyOr("KeySignature", 0), letter);
}

void MelodicBar::ShiftSteps(int steps) {
    for (NoteChord* chord = FirstChord(); chord != nullptr; chord = ChordAfter(*chord)) {
        if (chord->IsRest()) {
            continue;
        }
        for (int i = 0; i < chord->GetNoteCount(); ++i) {
            Note& note = *chord->GetNote(i);
            if (Note::RankOf(note.GetLetter()) < 0) {
                continue;
            }
            char letter = note.GetLetter();
            int octave = note.GetOctave();
            MoveDiatonic(letter, octave, steps);
            note.SetPitch(std::clamp(octave, kLowestOctave, kHighestOctave), letter);
            PlaceHead(note);
        }
    }
}

void MelodicBar::TransposeSemitones(int semitones, int firstStep, int lastStep) {
    firstStep = std::max(firstStep, 0);
    lastStep = std::min(lastStep, GetSteps() - 1);
    // Every key is read before anything changes, so accidentals earlier in
    // the bar still count as they were written.
    std::vector<std::pair<NoteChord*, std::vector<int>>> keys;
    for (int step = firstStep; step <= lastStep; ++step) {
        if (NoteChord* chord = GetChordAt(step)) {
            std::vector<int> chordKeys;
            for (int i = 0; i < chord->GetNoteCount(); ++i) {
                chordKeys.push_back(MidiKeyOf(*chord->GetNote(i)));
            }
            keys.emplace_back(chord, std::move(chordKeys));
        }
    }
    ReleaseToolReferences();
    for (auto& [chord, chordKeys] : keys) {
        if (chordKeys.empty() || chordKeys.front() < 0) {
            continue;
        }
        std::vector<Note*> silenced;
        for (int i = 0; i < chord->GetNoteCount(); ++i) {
            Note& note = *chord->GetNote(i);
            const int old = chordKeys[static_cast<size_t>(i)];
            if (old < 0) {
                continue;
            }
            const int key = old + semitones;
            if (key < 0) {
                silenced.push_back(&note);
                continue;
            }
            const Spelling& spelling = kSharpSpelling[static_cast<size_t>(key % 12)];
            note.SetPitch(key / 12, spelling.letter);
            note.SetAccidentalRaw(spelling.accidental);
        }
        for (Note* note : silenced) {
            TieChain::Cut(*note, true, true);
            if (chord->GetNoteCount() == 1) {
                chord->MakeRest();
                chord->First()->SetTieMode(Note::NotTied);
            } else {
                chord->RemoveNote(note);
            }
        }
        if (chord->IsRest()) {
            RemoveMarks(chord->GetStep());
        }
        for (int i = 0; i < chord->GetNoteCount(); ++i) {
            PlaceHead(*chord->GetNote(i));
        }
    }
}

void MelodicBar::DrawStaffLines(DeviceContext& dc, bool header) const {
    dc.SelectPen(DrawResources::Instance().blackPen);
    for (int position : kStaffLinePositions) {
        DrawStaffLine(dc, GetBox().y + 180 - 10 * (position + 1) + 5, header);
    }
}

void MelodicBar::DrawHeader(DeviceContext& dc) const {
    dc.SelectFont(DrawResources::Instance().scoreFont);
    dc.SetTextColor(Palette::kInk);
    const int left = GetBox().x - kHeaderWidth;
    if (IsBass()) {
        dc.Text(left + kClefDx, GetBox().y + kBassClefDy, kBassClefGlyph);
    } else {
        dc.Text(left + kClefDx, GetBox().y + kTrebleClefDy, kTrebleClefGlyph);
    }
    DrawKeySignature(dc);
    DrawTimeSignature(dc);
}

void MelodicBar::DrawKeySignature(DeviceContext& dc) const {
    const int key = PropertyOr("KeySignature", 0);
    const bool sharps = key > 0;
    const int count = std::min(sharps ? key : -key, static_cast<int>(kSharpDy.size()));
    const std::array<int, 6>& offsets = sharps ? kSharpDy : kFlatDy;
    const int x = GetBox().x - kHeaderWidth + kKeyDx;
    const int y = GetBox().y + (IsBass() ? kBassKeyDy : 0);
    for (int i = 1; i <= count; ++i) {
        dc.Text(x + kKeySpacing * i, y + offsets[static_cast<size_t>(i - 1)],
                sharps ? kSharpGlyph : kFlatGlyph);
    }
}

void MelodicBar::MoveDiatonic(char& letter, int& octave, int steps) {
    const int diatonic = 7 * octave + Note::RankOf(letter) + steps;
    letter = Note::LetterOfRank(diatonic);
    octave = FloorDiv(diatonic, 7);
}

bool MelodicBar::MoveNoteToStaffPoint(Note& note, int y) {
    const int position = PositionAtHeight(y);
    if (note.IsRest() || !IsOwnNote(note) || position < 0 || position >= kNumStaffPositions) {
        return false;
    }
    const char letter = StaffLetter(position);
    const int octave = StaffOctave(position);
    if (note.GetChord()->HasPitch(octave, letter)) {
        return false;
    }
    const char oldLetter = note.GetLetter();
    const int oldOctave = note.GetOctave();
    UntieForMove(note);
    note.SetPitch(octave, letter);
    // A written accidental belongs to the line it was written on: carried
    // along, a sharp chosen for an F would turn up on every line the drag
    // passes. Without it the note sounds what the key signature and the
    // bar's earlier accidentals give its new line, as a note the pencil
    // writes there would.
    note.SetAccidentalRaw(Note::NoAccidental);
    PlaceHead(note);
    RefreshTieAccidentals(oldLetter, oldOctave);
    RefreshTieAccidentals(letter, octave);
    Repaint();
    return true;
}

int MelodicBar::PositionAtHeight(int y) const {
    return static_cast<int>((GetBox().y + 180 - y) / 10.0);
}

bool MelodicBar::IsOwnNote(const Note& note) const {
    const NoteChord* chord = note.GetChord();
    return chord != nullptr && chord->GetParent() == this && GetChordAt(chord->GetStep()) == chord;
}

void MelodicBar::UntieForMove(Note& note) {
    if (!note.IsTied()) {
        return;
    }
    // A tie joins notes of one pitch, so it cannot follow the note.
    for (const int delta : {-1, 1}) {
        if (const NoteBar* neighbour = NeighbourBar(delta)) {
            neighbour->Repaint();
        }
    }
    TieChain::Cut(note, true, true);
    note.SetTieMode(Note::NotTied);
}

void MelodicBar::RefreshTieAccidentals(char letter, int octave) {
    Track* track = GetTrack();
    if (track != nullptr && track->GetBar(GetIndex()) == this) {
        track->RefreshTieAccidentals(GetIndex(), letter, octave);
    }
}

int MelodicBar::BottomDiatonic() const {
    return IsBass() ? kBassBottom : kTrebleBottom;
}
