#pragma once

#include "model/FloatingCombo.h"

// The chord box of one beat of an accompaniment bar: a chord from a fixed list
// of 38 names (sharp or flat spelling) and, on a bar's first beat, the
// accompaniment sub-style.
class ChordCombo : public FloatingCombo {
public:
    enum SubStyle { StyleA = 0, StyleB = 1, Intro = 2, FillIn = 3, Ending = 4, NoSubStyle = 5 };
    static constexpr int kNumItems = 38;

    ChordCombo(SelObject* bar, int step, const Rect& rect, bool sharps);
    ChordCombo(const ChordCombo&) = default;

    const char* GetClassName() const override { return "ChordCombo"; }
    std::unique_ptr<SelObject> Clone() const override;
    // The pencil's click: cycles the sub-style of a bar's first box, then
    // notifies content changed (10) and repaint (8).
    void OnActivate(DeviceContext* dc, int x, int y, unsigned flags) override;
    // Storing appends a bar element with "chordNum" (the step), "value" (the
    // chord's name) and "subStyle". Reading takes them from the current bar
    // element; the bar decides where the box goes.
    void Serialize(Archive& archive) override;

    int GetStep() const { return m_step; }
    void SetStep(int step) { m_step = step; }
    bool UsesSharps() const { return m_sharps; }
    // Rebuilds the item list in sharp or flat spelling; the index stays.
    void SetSharps(bool sharps);
    int GetSubStyle() const { return m_subStyle; }
    void SetSubStyle(int subStyle) { m_subStyle = subStyle; }

    // 3 x root + quality + 1 of the selected chord; 0 for none.
    int GetChordNumber() const { return IndexToChordNumber(GetIndex()); }
    void SetChordNumber(int number, bool notify);

    // The fixed tables between list index and chord number.
    static int IndexToChordNumber(int index);
    static int ChordNumberToIndex(int number);
    static const char* ItemName(int index, bool sharps);
    // From a chord name: 0 major, 1 minor ('m' last), 2 seventh ('7' last).
    static int QualityOf(const std::string& name);
    // Semitones from C to the written root, as a pattern in C is moved to it:
    // "A" is -3, "G#" +8 and "Ab" -4.
    static int RootOffsetOf(const std::string& name);
    // True for the list entries that mean no chord.
    static bool IsNoChordIndex(int index) { return index == 0 || index == 25; }

protected:
    // A light frame where a beginner can click (on screen only) and the
    // sub-style's coloured square with its letter.
    void DrawBackground(DeviceContext& dc) override;
    FontSpec TextFont(bool hovered) const override;
    Point TextOrigin() const override;
    // "::" marks an empty box under the pointer.
    void DrawHint(DeviceContext& dc) override;

private:
    // The bar index of the owning chord bar, or -1.
    int BarIndex() const;
    void DrawSubStyle(DeviceContext& dc) const;

    int m_step;
    bool m_sharps;
    int m_subStyle = NoSubStyle;
};
