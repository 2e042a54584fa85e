#pragma once

#include "model/FloatingCombo.h"

// A track's instrument: one of the 128 General MIDI programs (the index is the
// program) or, on a percussion track, one of the 47 drum sounds (key = index + 35).
class InstrumentCombo : public FloatingCombo {
public:
    static constexpr int kFirstDrumKey = 35;

    InstrumentCombo(SelObject* track, int trackNum, bool percussion);
    InstrumentCombo(const InstrumentCombo&) = default;

    const char* GetClassName() const override { return "InstrumentCombo"; }
    std::unique_ptr<SelObject> Clone() const override;

    bool IsPercussion() const { return m_percussion; }
    // The General MIDI program, or the drum key of a percussion track.
    int GetProgram() const;
    // Selects the program (or drum key); one outside the list changes nothing.
    void SetProgram(int program, bool notify);
    // Sends the current program for the new channel.
    void SetChannel(int channel) override;
    // "instr" on the track: the selected index. Reading a song (not a
    // pattern) tells the sound engine.
    void Serialize(Archive& archive) override;
    Size DropDownMinimum() const override { return {350, 160}; }

protected:
    void OnIndexChanged(bool notify) override;
    // The list's arrow stands right of the drawn name.
    Rect HitRect() const override;

private:
    void SendProgram();
    bool m_percussion;
};
