#include "model/Note.h"

#include <string_view>

#include "model/DeviceContext.h"
#include "model/DrawResources.h"
#include "model/DynamicMark.h"
#include "model/EditingState.h"
#include "model/NoteBar.h"
#include "model/NoteChord.h"
#include "model/Palette.h"
#include "platform/Exception.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

namespace {
constexpr int kStepsPerWhole = 96;
constexpr int kTripletStepsPerWhole = 64;

// One character of the notation font per symbol, indexed by SymbolIndex.
// Every black head is the same "I", whatever flag it takes.
constexpr std::string_view kRestGlyphs = "@ABCDE";
constexpr std::string_view kHeadGlyphs = "GHIIII";
constexpr std::string_view kUpFlagGlyphs = "PPPJKQ";
constexpr std::string_view kDownFlagGlyphs = "PPPLMT";
// Indexed by Note::Accidental; NoAccidental draws nothing.
constexpr std::string_view kAccidentalGlyphs = "=?> RS";
constexpr std::string_view kDotGlyph = "N";
constexpr std::string_view kAccentGlyph = "*";

// From the note's reference point to the top-left of the glyph cell that
// puts the symbol where it belongs.
constexpr int kGlyphDx = -10;
constexpr int kGlyphDy = -96;
constexpr int kUpStemDx = 10;
constexpr int kUpStemDy = 3;
constexpr int kDownStemDx = -10;
constexpr int kDownStemDy = 6;
constexpr int kUpFlagDx = 20;
constexpr int kAccidentalDx = -18;
constexpr int kDotDx = 26;
constexpr int kWholeBarDotDx = 32;
constexpr int kDotDy = 12;
constexpr int kDotOnLineDy = 3;
constexpr int kAccentBelowDy = 60;
constexpr int kAccentAboveDy = 10;
constexpr int kLedgerDx = -15;
constexpr int kLowestLedgerPosition = 3;
constexpr int kHighestLedgerPosition = 15;

std::string_view Glyph(std::string_view glyphs, int index) {
    return glyphs.substr(static_cast<size_t>(index), 1);
}

// The y of the staff line at a position counted from the bar's lowest
// editable position.
int StaffLineY(int barTop, int position) {
    return barTop + 180 - 10 * (position + 1) + 5;
}

void DrawLedgerLines(DeviceContext& dc, const NoteBar::Placement& at, int barTop) {
    if (at.ledgerBelow + at.ledgerAbove == 0) {
        return;
    }
    const int left = at.x + kLedgerDx;
    for (int k = 0; k < at.ledgerBelow; ++k) {
        const int y = StaffLineY(barTop, kLowestLedgerPosition - 2 * k);
        dc.Line({left, y}, {left + at.ledgerWidth, y});
    }
    for (int k = 0; k < at.ledgerAbove; ++k) {
        const int y = StaffLineY(barTop, kHighestLedgerPosition + 2 * k);
        dc.Line({left, y}, {left + at.ledgerWidth, y});
    }
}

void DrawStemAndFlag(DeviceContext& dc, const NoteBar::Placement& at, int symbol, int length,
                     bool down, bool withFlag) {
    const int glyphX = at.x + kGlyphDx;
    const int glyphY = at.y + kGlyphDy;
    if (down) {
        const Point from{at.x + kDownStemDx, at.y + kDownStemDy};
        dc.Line(from, {from.x, from.y + length});
        if (withFlag) {
            dc.Text(glyphX, glyphY + length, Glyph(kDownFlagGlyphs, symbol));
        }
        return;
    }
    const Point from{at.x + kUpStemDx, at.y + kUpStemDy};
    dc.Line(from, {from.x, from.y - length});
    if (withFlag) {
        dc.Text(glyphX + kUpFlagDx, glyphY - length, Glyph(kUpFlagGlyphs, symbol));
    }
}

// The accent sits on the side of the head away from the stem.
void DrawAccent(DeviceContext& dc, const NoteBar::Placement& at, bool stemDown) {
    const DrawResources& resources = DrawResources::Instance();
    dc.SelectFont(resources.smallScoreFont);
    dc.SetTextColor(Palette::kAccent);
    dc.Text(at.x + kGlyphDx, at.y + kGlyphDy + (stemDown ? kAccentAboveDy : kAccentBelowDy),
            kAccentGlyph);
    dc.SelectFont(resources.scoreFont);
    dc.SetTextColor(Palette::kInk);
}
}  // namespace

Note::Note(NoteChord* chord, int step, char letter, int octave, int value, int accidental,
           bool dotted, int clef, bool triplet, int tripletLength)
    : SelObject(chord, true),
      m_step(step),
      m_letter(letter),
      m_octave(octave),
      m_accidental(accidental),
      m_dotted(dotted),
      m_triplet(triplet),
      m_tripletLength(tripletLength),
      m_clef(clef) {
    SetLength(value, triplet);
}

Note::Note(const Note& other)
    : SelObject(other),
      m_step(other.m_step),
      m_letter(other.m_letter),
      m_octave(other.m_octave),
      m_length(other.m_length),
      m_accidental(other.m_accidental),
      m_dotted(other.m_dotted),
      m_tieMode(other.m_tieMode),
      m_triplet(other.m_triplet),
      m_tripletLength(other.m_tripletLength),
      m_clef(other.m_clef),
      m_box(other.m_box) {}

std::unique_ptr<SelObject> Note::Clone() const {
    return std::make_unique<Note>(*this);
}

SelObject* Note::HitTest(int x, int y) {
    if (!m_box.Contains(x, y)) {
        return nullptr;
    }
    EditingState::Instance().SetHover(this);
    return this;
}

Rect Note::GetBoundingRect() const {
    const Box& b = m_box;
    if (IsRest()) {
        return {b.x - 30, b.y - 50, b.x + b.width + 10, b.y + b.height + 40};
    }
    return {b.x - 30, b.y - 35, b.x + b.width + 10, b.y + b.height + 25};
}

void Note::Draw(DeviceContext& dc) {
    const DrawResources& resources = DrawResources::Instance();
    dc.SelectFont(resources.scoreFont);
    dc.SelectPen(resources.blackPen);
    Draw(dc, false, 0, false, false, true);
}

void Note::Draw(DeviceContext& dc, bool withStem, int stemLength, bool stemDown, bool withFlag,
                bool noAccent) {
    const NoteBar* bar = GetNoteBar();
    if (bar == nullptr) {
        return;
    }
    const NoteBar::Placement at = bar->PlaceNote(*this);
    const int glyphX = at.x + kGlyphDx;
    const int glyphY = at.y + kGlyphDy;
    const int symbol = SymbolIndex(bar->GetSteps());
    // Paper shows the music, not the editing state.
    dc.SetTextColor(dc.IsPrinting() ? Palette::kInk : StateColor());
    if (IsRest()) {
        dc.Text(glyphX, glyphY, Glyph(kRestGlyphs, symbol));
    } else {
        dc.Text(glyphX, glyphY, Glyph(kHeadGlyphs, symbol));
        if (symbol > 0) {
            // Only the head shows the note's state; stems and flags stay black.
            dc.SetTextColor(Palette::kInk);
            if (withStem) {
                DrawStemAndFlag(dc, at, symbol, stemLength, stemDown, withFlag);
            }
        }
        if (withStem && !noAccent && bar->HasMark(m_step, DynamicMark::Accent)) {
            DrawAccent(dc, at, stemDown);
        }
    }
    if (m_dotted) {
        const int dx = m_length == bar->GetSteps() ? kWholeBarDotDx : kDotDx;
        dc.Text(glyphX + dx, glyphY + (at.onLine ? kDotOnLineDy : kDotDy), kDotGlyph);
    }
    if (m_accidental != NoAccidental && IsValidAccidental(m_accidental) &&
        m_clef != NoteBar::PercussionClef) {
        dc.Text(glyphX + kAccidentalDx, glyphY, Glyph(kAccidentalGlyphs, m_accidental));
    }
    DrawLedgerLines(dc, at, bar->GetBox().y);
    dc.SetTextColor(Palette::kInk);
}

int Note::SymbolIndex(int barSteps) const {
    const double value = GetTimeValue(false);
    if (value <= 1.0 || (IsRest() && m_length == barSteps && !m_dotted)) {
        return 0;
    }
    int symbol = 1;
    for (double written = 2.0; written < 32.0 && value > written; written *= 2.0) {
        ++symbol;
    }
    return symbol;
}

Color Note::StateColor() const {
    if (IsHighlighted()) {
        return Palette::kPlaying;
    }
    const EditingState& state = EditingState::Instance();
    if (state.HasSelection() && state.IsSelected(this)) {
        return Palette::kSelected;
    }
    return state.Hover() == this ? Palette::kHover : Palette::kInk;
}

void Note::SetLength(int value, bool triplet) {
    if (value <= 0) {
        value = 1;
    }
    if (IsRest() && value == 1) {
        m_length = PropertyOr("NumOfStepsPerBar", kStepsPerWhole);
    } else {
        m_length = (triplet ? 16 : 24) * 4 / value;
    }
    if (m_dotted) {
        m_length += m_length / 2;
    }
}

double Note::GetTimeValue(bool round) const {
    if (m_length <= 0) {
        return 0.0;
    }
    const double value =
        static_cast<double>(m_triplet ? kTripletStepsPerWhole : kStepsPerWhole) / m_length;
    if (!round) {
        return value;
    }
    for (int written : {1, 2, 4, 8, 16, 32}) {
        if (value <= written) {
            return written;
        }
    }
    return value;
}

void Note::MakeRest() {
    m_letter = kRestLetter;
    m_accidental = NoAccidental;
}

bool Note::IsWholeBarRest() const {
    return IsRest() && m_length == PropertyOr("NumOfStepsPerBar", kStepsPerWhole);
}

void Note::SetPitch(int octave, char letter) {
    m_octave = octave;
    m_letter = letter;
}

bool Note::IsSamePitch(const Note& other) const {
    return m_letter == other.m_letter && m_octave == other.m_octave;
}

void Note::SetAccidental(int accidental) {
    m_accidental = accidental;
    EditingState::Instance().AddDirtyRect(GetBoundingRect());
}

NoteChord* Note::GetChord() const {
    return static_cast<NoteChord*>(GetParent());
}

const NoteBar* Note::GetNoteBar() const {
    const NoteChord* chord = GetChord();
    return chord != nullptr ? dynamic_cast<const NoteBar*>(chord->GetParent()) : nullptr;
}

int Note::GetBarIndex() const {
    const NoteChord* chord = GetChord();
    const auto* bar = chord != nullptr ? dynamic_cast<const Bar*>(chord->GetParent()) : nullptr;
    return bar != nullptr ? bar->GetIndex() : -1;
}

int Note::MidiKeyOf() const {
    const NoteChord* chord = GetChord();
    const auto* bar = chord != nullptr ? dynamic_cast<const NoteBar*>(chord->GetParent()) : nullptr;
    return bar != nullptr && !IsRest() ? bar->MidiKeyOf(*this) : -1;
}

int Note::SemitoneOf(char letter) {
    switch (letter) {
        case 'C':
            return 0;
        case 'D':
            return 2;
        case 'E':
            return 4;
        case 'F':
            return 5;
        case 'G':
            return 7;
        case 'A':
            return 9;
        case 'B':
            return 11;
        default:
            return -1;
    }
}

int Note::RankOf(char letter) {
    switch (letter) {
        case 'C':
            return 0;
        case 'D':
            return 1;
        case 'E':
            return 2;
        case 'F':
            return 3;
        case 'G':
            return 4;
        case 'A':
            return 5;
        case 'B':
            return 6;
        default:
            return -1;
    }
}

char Note::LetterOfRank(int rank) {
    static constexpr char kLetters[] = {'C', 'D', 'E', 'F', 'G', 'A', 'B'};
    return kLetters[((rank % 7) + 7) % 7];
}

int Note::AlterationOf(int accidental) {
    switch (accidental) {
        case Sharp:
            return 1;
        case Flat:
            return -1;
        case DoubleSharp:
            return 2;
        case DoubleFlat:
            return -2;
        default:
            return 0;
    }
}

int Note::AccidentalFor(int alteration) {
    switch (alteration) {
        case -2:
            return DoubleFlat;
        case -1:
            return Flat;
        case 0:
            return Natural;
        case 1:
            return Sharp;
        case 2:
            return DoubleSharp;
        default:
            return NoAccidental;
    }
}

void Note::Serialize(Archive& archive) {
    constexpr Archive::Cursor kElement = Archive::BarElemElement;
    if (archive.IsStoring()) {
        archive.NewBarElem();
        archive.WriteInt(kElement, "noteNum", m_step);
        archive.WriteText(kElement, "pitch", std::string(1, m_letter));
        archive.WriteInt(kElement, "octave", m_octave);
        archive.WriteInt(kElement, "timeValue", m_length);
        archive.WriteInt(kElement, "sharpFlat", m_accidental);
        archive.WriteInt(kElement, "dotted", m_dotted ? 1 : 0);
        if (m_tieMode != NotTied) {
            archive.WriteInt(kElement, "tieMode", m_tieMode);
        }
        if (m_triplet) {
            archive.WriteInt(kElement, "isTriplet", 1);
            if (m_tripletLength > 0) {
                archive.WriteInt(kElement, "tripletLen", m_tripletLength);
            }
        }
        return;
    }
    if (!archive.IsReading()) {
        return;
    }
    const std::optional<std::string> pitch = archive.ReadText(kElement, "pitch");
    if (!pitch || pitch->empty()) {
        throw IOException(StringTable::Get(ids::kReadFileError));
    }
    m_letter = (*pitch)[0];
    m_step = archive.ReadIntOr(kElement, "noteNum", 0);
    m_octave = archive.ReadIntOr(kElement, "octave", 0);
    m_length = archive.ReadIntOr(kElement, "timeValue", 0);
    m_accidental = archive.ReadIntOr(kElement, "sharpFlat", 0);
    m_dotted = archive.ReadIntOr(kElement, "dotted", 0) > 0;
    m_tieMode = archive.ReadIntOr(kElement, "tieMode", NotTied);
    m_triplet = archive.ReadIntOr(kElement, "isTriplet", 0) == 1;
    m_tripletLength = m_triplet ? archive.ReadIntOr(kElement, "tripletLen", m_tripletLength) : 0;
}
