#include "editor/NewSongWizardForm.h"

#include <algorithm>
#include <array>

#include "editor/TransposeSongForm.h"
#include "editor/UndoManager.h"
#include "model/NewSongBuilder.h"
#include "model/Song.h"
#include "platform/Prompt.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"
#include "platform/Translation.h"

namespace {

struct Template {
    const char* name;
    // Treble, bass, percussion, accompaniment.
    std::array<const char*, 4> counts;
};

constexpr const char* kContext = "NewSongWizardForm";

constexpr std::array<Template, 5> kTemplates = {{
    {QS_TRANSLATE_NOOP("NewSongWizardForm", "Treble"), {"1", "0", "0", "0"}},
    {QS_TRANSLATE_NOOP("NewSongWizardForm", "Treble + Accompaniment"), {"1", "0", "0", "1"}},
    {QS_TRANSLATE_NOOP("NewSongWizardForm", "Treble + Bass"), {"1", "1", "0", "0"}},
    {QS_TRANSLATE_NOOP("NewSongWizardForm", "Treble + Accompaniment + Percussion"),
     {"1", "0", "1", "1"}},
    {QS_TRANSLATE_NOOP("NewSongWizardForm", "Treble + Bass + Percussion"), {"1", "1", "1", "0"}},
}};

constexpr std::array<int, NewSongWizardForm::kCustomTempo> kTempoPresets = {50,  63,  71, 92,
                                                                            114, 144, 184};
constexpr int kModerato = 4;
constexpr int kFourFour = 3;
constexpr int kCMajor = 6;
constexpr int kNumTimeSignatures = 5;

int Clamp(int index, size_t size) {
    return std::clamp(index, 0, static_cast<int>(size) - 1);
}

}  // namespace

const std::vector<std::string>& NewSongWizardForm::Templates() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list;
        for (const Template& entry : kTemplates) {
            list.emplace_back(entry.name);
        }
        return list;
    }();
    return names;
}

const std::vector<std::string>& NewSongWizardForm::TempoNames() {
    static const std::vector<std::string> names = {
        QS_TRANSLATE_NOOP("NewSongWizardForm", "Largo"),
        QS_TRANSLATE_NOOP("NewSongWizardForm", "Larghetto"),
        QS_TRANSLATE_NOOP("NewSongWizardForm", "Andagio"),
        QS_TRANSLATE_NOOP("NewSongWizardForm", "Andante"),
        QS_TRANSLATE_NOOP("NewSongWizardForm", "Moderato"),
        QS_TRANSLATE_NOOP("NewSongWizardForm", "Allegro"),
        QS_TRANSLATE_NOOP("NewSongWizardForm", "Presto"),
        QS_TRANSLATE_NOOP("NewSongWizardForm", "Custom"),
    };
    return names;
}

std::vector<std::string> NewSongWizardForm::Shown(const std::vector<std::string>& names) {
    std::vector<std::string> shown;
    shown.reserve(names.size());
    for (const std::string& name : names) {
        shown.push_back(Translation::Text(kContext, name.c_str()));
    }
    return shown;
}

std::vector<std::string> NewSongWizardForm::TimeSignatureNames() {
    std::vector<std::string> names;
    for (int index = 0; index < kNumTimeSignatures; ++index) {
        const Song::TimeSignature signature = NewSongBuilder::TimeSignatureAt(index);
        names.push_back(std::to_string(signature.numerator) + "/" +
                        std::to_string(signature.denominator));
    }
    return names;
}

NewSongWizardForm::NewSongWizardForm() {
    UseDefault();
}

NewSongWizardForm::~NewSongWizardForm() = default;

void NewSongWizardForm::UseDefault() {
    SetUseTemplate(true);
    ChooseTemplate(0);
    m_major = true;
    m_settings.keyIndex = kCMajor;
    ChooseTempo(kModerato);
    m_settings.timeSignatureIndex = kFourFour;
}

void NewSongWizardForm::SetUseTemplate(bool useTemplate) {
    m_useTemplate = useTemplate;
    if (useTemplate) {
        ChooseTemplate(m_templateIndex);
    }
}

void NewSongWizardForm::ChooseTemplate(int index) {
    m_templateIndex = Clamp(index, kTemplates.size());
    const auto& counts = kTemplates[static_cast<size_t>(m_templateIndex)].counts;
    const Count order[] = {Count::Treble, Count::Bass, Count::Percussion, Count::Accompaniment};
    for (size_t i = 0; i < counts.size(); ++i) {
        m_settings.*CountMember(order[i]) = counts[i];
    }
}

std::string NewSongSettings::*NewSongWizardForm::CountMember(Count count) {
    switch (count) {
        case Count::Treble:
            return &NewSongSettings::trebleCount;
        case Count::Bass:
            return &NewSongSettings::bassCount;
        case Count::Percussion:
            return &NewSongSettings::percussionCount;
        case Count::Accompaniment:
            break;
    }
    return &NewSongSettings::accompanimentCount;
}

const std::string& NewSongWizardForm::CountText(Count count) const {
    return m_settings.*CountMember(count);
}

void NewSongWizardForm::TypeCount(Count count, const std::string& text, Prompt& prompt) {
    std::string& field = m_settings.*CountMember(count);
    field = text;
    if (count == Count::Accompaniment && NewSongBuilder::ParseCount(text) > 1) {
        prompt.Show(StringTable::Get(ids::kOnlyOneAccompaniment), StringTable::Get(ids::kWarning),
                    Prompt::WarningIcon);
        field = "1";
    }
}

void NewSongWizardForm::SetKeyIndex(int index) {
    m_settings.keyIndex = Clamp(index, TransposeSongForm::MajorKeys().size());
}

int NewSongWizardForm::KeySignature() const {
    return NewSongBuilder::KeySignatureAt(m_settings.keyIndex);
}

void NewSongWizardForm::ChooseTempo(int index) {
    m_tempoIndex = Clamp(index, TempoNames().size());
    if (m_tempoIndex != kCustomTempo) {
        m_settings.tempo = std::to_string(kTempoPresets[static_cast<size_t>(m_tempoIndex)]);
    }
}

void NewSongWizardForm::TypeTempo(const std::string& text) {
    if (TempoEditEnabled()) {
        m_settings.tempo = text;
    }
}

void NewSongWizardForm::SetTimeSignatureIndex(int index) {
    m_settings.timeSignatureIndex = std::clamp(index, 0, kNumTimeSignatures - 1);
}

NewSongWizardForm::Outcome NewSongWizardForm::Ok(Prompt& prompt, UndoManager& history) {
    NewSongBuilder::Outcome built = NewSongBuilder::Build(m_settings);
    if (built.song == nullptr) {
        prompt.Show(StringTable::Get(built.messageId), StringTable::Get(ids::kWarning),
                    Prompt::WarningIcon);
        return built.focusTempo ? Outcome::TempoRefused : Outcome::Refused;
    }
    // The history holds copies of the song being replaced; none of them may
    // be walked back to over the new one.
    m_song.reset();
    history.Clear();
    m_song = std::move(built.song);
    return Outcome::Built;
}

std::unique_ptr<Song> NewSongWizardForm::TakeSong() {
    return std::move(m_song);
}
