#include "model/ChordCombo.h"

#include <array>
#include <string>
#include <vector>

#include "model/Bar.h"
#include "model/DrawResources.h"
#include "model/EditingState.h"
#include "model/Palette.h"
#include "platform/Exception.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

namespace {

constexpr std::array<const char*, ChordCombo::kNumItems> kSharpNames = {
    "",   "C",   "Cm", "C#",  "C#m", "D",   "Dm",  "D#", "D#m", "E",   "Em",  "F",  "Fm",
    "F#", "F#m", "G",  "Gm",  "G#",  "G#m", "A",   "Am", "A#",  "A#m", "B",   "Bm", "",
    "C7", "C#7", "D7", "D#7", "E7",  "F7",  "F#7", "G7", "G#7", "A7",  "A#7", "B7"};

constexpr std::array<const char*, ChordCombo::kNumItems> kFlatNames = {
    "",   "C",   "Cm", "Db",  "Dbm", "D",   "Dm",  "Eb", "Ebm", "E",   "Em",  "F",  "Fm",
    "Gb", "Gbm", "G",  "Gm",  "Ab",  "Abm", "A",   "Am", "Bb",  "Bbm", "B",   "Bm", "",
    "C7", "Db7", "D7", "Eb7", "E7",  "F7",  "Gb7", "G7", "Ab7", "A7",  "Bb7", "B7"};

// The letters in the sub-style squares: style A, style B, intro, fill-in, ending.
constexpr std::array<const char*, ChordCombo::NoSubStyle> kSubStyleLabels = {"A", "B", "I", "FI",
                                                                             "E"};
constexpr int kSubStyleLeft = 50;
constexpr int kSubStyleSide = 25;
constexpr int kTextInset = 5;
constexpr PenSpec kFramePen{Palette::kChordFrame, 2};

constexpr int kFirstSeventh = 26;
constexpr int kSeventhQuality = 2;

std::shared_ptr<const std::vector<std::string>> NamesFor(bool sharps) {
    static const auto sharpNames =
        std::make_shared<const std::vector<std::string>>(kSharpNames.begin(), kSharpNames.end());
    static const auto flatNames =
        std::make_shared<const std::vector<std::string>>(kFlatNames.begin(), kFlatNames.end());
    return sharps ? sharpNames : flatNames;
}

}  // namespace

ChordCombo::ChordCombo(SelObject* bar, int step, const Rect& rect, bool sharps)
    : FloatingCombo(bar, 0), m_step(step), m_sharps(sharps) {
    SetRect(rect);
    SetTextItems(NamesFor(sharps));
}

std::unique_ptr<SelObject> ChordCombo::Clone() const {
    return std::make_unique<ChordCombo>(*this);
}

void ChordCombo::SetSharps(bool sharps) {
    m_sharps = sharps;
    const int index = GetIndex();
    SetTextItems(NamesFor(sharps));
    SetIndex(index, false);
}

void ChordCombo::SetChordNumber(int number, bool notify) {
    SetIndex(ChordNumberToIndex(number), notify);
}

int ChordCombo::IndexToChordNumber(int index) {
    if (index >= 1 && index <= 24) {
        const int root = (index - 1) / 2;
        const int quality = (index - 1) % 2;
        return 3 * root + quality + 1;
    }
    if (index >= kFirstSeventh && index < kNumItems) {
        return 3 * (index - kFirstSeventh) + kSeventhQuality + 1;
    }
    return 0;
}

int ChordCombo::ChordNumberToIndex(int number) {
    if (number < 1 || number > 36) {
        return 0;
    }
    const int root = (number - 1) / 3;
    const int quality = (number - 1) % 3;
    return quality == kSeventhQuality ? kFirstSeventh + root : 1 + 2 * root + quality;
}

const char* ChordCombo::ItemName(int index, bool sharps) {
    if (index < 0 || index >= kNumItems) {
        return "";
    }
    return sharps ? kSharpNames[static_cast<size_t>(index)]
                  : kFlatNames[static_cast<size_t>(index)];
}

void ChordCombo::OnActivate(DeviceContext*, int, int, unsigned) {
    // Sub-styles live only on a bar's first beat. Bar 0 must always have one,
    // so its cycle skips "none".
    if (m_step == 0) {
        const int last = BarIndex() == 0 ? Ending : NoSubStyle;
        m_subStyle = m_subStyle >= last ? StyleA : m_subStyle + 1;
    }
    Notify(10);
    EditingState::Instance().AddDirtyRect(GetBoundingRect());
    Notify(8);
}

void ChordCombo::DrawBackground(DeviceContext& dc) {
    if (!dc.IsPrinting()) {
        dc.SelectPen(kFramePen);
        dc.SelectNullBrush();
        dc.Rectangle(GetRect());
    }
    if (m_subStyle >= StyleA && m_subStyle < NoSubStyle) {
        DrawSubStyle(dc);
    }
}

void ChordCombo::DrawSubStyle(DeviceContext& dc) const {
    const DrawResources& resources = DrawResources::Instance();
    const size_t style = static_cast<size_t>(m_subStyle);
    const int left = GetRect().left + kSubStyleLeft;
    const int top = GetRect().top;
    dc.FillRect({left, top, left + kSubStyleSide, top + kSubStyleSide},
                resources.subStyleBrushes[style]);
    const FontSpec& small = resources.smallTextFont;
    dc.SelectFont(DrawResources::Font(small.face.c_str(), small.height, 700));
    const char* label = kSubStyleLabels[style];
    dc.SetTextColor(Palette::kSubStyleLabel);
    dc.Text(left + (kSubStyleSide - dc.TextExtent(label).width) / 2, top, label);
}

FontSpec ChordCombo::TextFont(bool) const {
    return DrawResources::Instance().headingFont;
}

Point ChordCombo::TextOrigin() const {
    return {GetRect().left + kTextInset, GetRect().top + kTextInset};
}

void ChordCombo::DrawHint(DeviceContext& dc) {
    dc.SetTextColor(Palette::kHover);
    dc.Text(GetRect().left, GetRect().top, "::");
}

int ChordCombo::BarIndex() const {
    const auto* bar = dynamic_cast<const Bar*>(GetParent());
    return bar != nullptr ? bar->GetIndex() : -1;
}

int ChordCombo::QualityOf(const std::string& name) {
    if (name.empty()) {
        return 0;
    }
    switch (name.back()) {
        case 'm':
            return 1;
        case '7':
            return 2;
        default:
            return 0;
    }
}

int ChordCombo::RootOffsetOf(const std::string& name) {
    if (name.empty()) {
        return 0;
    }
    int offset = 0;
    switch (name[0]) {
        case 'A':
            offset = -3;
            break;
        case 'B':
            offset = -1;
            break;
        case 'C':
            offset = 0;
            break;
        case 'D':
            offset = 2;
            break;
        case 'E':
            offset = 4;
            break;
        case 'F':
            offset = 5;
            break;
        case 'G':
            offset = 7;
            break;
        default:
            return 0;
    }
    if (name.size() > 1) {
        offset += name[1] == '#' ? 1 : name[1] == 'b' ? -1 : 0;
    }
    return offset;
}

void ChordCombo::Serialize(Archive& archive) {
    if (archive.IsStoring()) {
        archive.NewBarElem();
        archive.WriteInt(Archive::BarElemElement, "chordNum", m_step);
        archive.WriteText(Archive::BarElemElement, "value", CurrentText());
        archive.WriteInt(Archive::BarElemElement, "subStyle", m_subStyle);
        return;
    }
    if (!archive.IsReading()) {
        return;
    }
    const std::optional<int> step = archive.ReadInt(Archive::BarElemElement, "chordNum");
    const std::optional<std::string> value = archive.ReadText(Archive::BarElemElement, "value");
    if (!step || !value) {
        throw IOException(StringTable::Get(ids::kReadFileError));
    }
    m_step = *step;
    // Sub-styles belong to a bar's first beat only.
    const std::optional<int> subStyle = archive.ReadInt(Archive::BarElemElement, "subStyle");
    m_subStyle = m_step == 0 && subStyle && *subStyle >= StyleA && *subStyle <= NoSubStyle
                     ? *subStyle
                     : NoSubStyle;
    // A name missing from the list (another spelling, say) leaves no chord.
    SelectText(*value, false);
}
