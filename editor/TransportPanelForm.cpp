#include "editor/TransportPanelForm.h"

#include <algorithm>

#include "editor/EditorMessages.h"
#include "editor/FormFields.h"
#include "editor/TransportEngine.h"
#include "platform/Prompt.h"

namespace {

// Enough digits for any bar or tempo; longer text is cut before reading, so
// a pasted run of digits cannot overflow.
constexpr size_t kMaxDigits = 9;

}  // namespace

TransportPanelForm::TransportPanelForm(TransportEngine& engine, Prompt& prompt)
    : m_engine(engine), m_prompt(prompt) {}

int TransportPanelForm::ReadNumber(const std::string& text) {
    return static_cast<int>(FormFields::ReadNumber(text, kMaxDigits));
}

std::string TransportPanelForm::ApplyBar(int bar) {
    const int shown = std::max(1, bar);
    m_engine.SetStartBar(shown - 1);
    return std::to_string(shown);
}

std::string TransportPanelForm::CommitBar(const std::string& text) {
    return ApplyBar(ReadNumber(text));
}

std::string TransportPanelForm::StepBar(const std::string& text, int change) {
    return ApplyBar(ReadNumber(text) + change);
}

std::string TransportPanelForm::ApplyTempo(int bpm) {
    m_engine.SetTempo(bpm);
    return std::to_string(bpm);
}

std::string TransportPanelForm::CommitTempo(const std::string& text, const TempoWriter& writeBack) {
    const int typed = ReadNumber(text);
    const int bpm = std::clamp(typed, kMinTempo, kMaxTempo);
    const std::string shown = ApplyTempo(bpm);
    const bool corrected = bpm != typed;
    writeBack(shown, corrected);
    if (corrected) {
        m_prompt.Show(messages::kTempoRange, messages::kWarning, Prompt::WarningIcon);
    }
    return shown;
}

std::string TransportPanelForm::StepTempo(const std::string& text, int change) {
    return ApplyTempo(std::clamp(ReadNumber(text) + change, kMinTempo, kMaxTempo));
}

TransportPanelForm::Shown TransportPanelForm::Position() const {
    // Until the first step the engine's counters still hold the last play's
    // position, and the beat counts from -1.
    const bool playing = ShowsPause();
    const int bar = playing ? m_engine.CurrentBar() : m_engine.StartBar();
    const int beat = playing ? std::max(0, m_engine.CurrentBeat()) : 0;
    return {std::to_string(bar + 1), std::to_string(beat + 1), std::to_string(m_engine.Tempo())};
}

bool TransportPanelForm::BoxesEnabled() const {
    return !m_engine.IsActive();
}

bool TransportPanelForm::ShowsPause() const {
    return m_engine.IsActive() && !m_engine.IsPreparing();
}

TransportPanelForm::BeatPicture TransportPanelForm::PictureFor(int beatUnit) {
    switch (beatUnit) {
        case 2:
            return BeatPicture::Half;
        case 8:
            return BeatPicture::Eighth;
        default:
            return BeatPicture::Quarter;
    }
}
