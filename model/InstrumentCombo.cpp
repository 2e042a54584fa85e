#include "model/InstrumentCombo.h"

#include "model/SoundSettings.h"
#include "platform/StringIds.h"

InstrumentCombo::InstrumentCombo(SelObject* track, int trackNum, bool percussion)
    : FloatingCombo(track, trackNum), m_percussion(percussion) {
    if (percussion) {
        SetIdItems(ids::kFirstDrumName, ids::kNumDrumNames);
    } else {
        SetIdItems(ids::kFirstProgramName, ids::kNumProgramNames);
    }
    SetHalo(true);
}

std::unique_ptr<SelObject> InstrumentCombo::Clone() const {
    return std::make_unique<InstrumentCombo>(*this);
}

int InstrumentCombo::GetProgram() const {
    return m_percussion ? GetIndex() + kFirstDrumKey : GetIndex();
}

void InstrumentCombo::SetProgram(int program, bool notify) {
    SetIndex(m_percussion ? program - kFirstDrumKey : program, notify);
}

void InstrumentCombo::SetChannel(int channel) {
    FloatingCombo::SetChannel(channel);
    SendProgram();
}

void InstrumentCombo::OnIndexChanged(bool notify) {
    if (notify) {
        SendProgram();
    }
}

Rect InstrumentCombo::HitRect() const {
    Rect r = GetRect();
    r.right += 100;
    return r;
}

void InstrumentCombo::SendProgram() {
    SoundSettings::Instance().SetTrackProgram(GetChannel(), m_percussion, GetProgram());
}

void InstrumentCombo::Serialize(Archive& archive) {
    if (archive.IsStoring()) {
        archive.WriteInt(Archive::TrackElement, "instr", GetIndex());
    } else if (archive.IsReading()) {
        // An index outside the list leaves the selection as it is.
        SetIndex(archive.ReadIntOr(Archive::TrackElement, "instr", 0), archive.IsLoading());
    }
}
