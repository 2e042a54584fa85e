#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/Archive.h"
#include "model/DeviceContext.h"
#include "model/SelObject.h"

// A selector drawn on the score: a list of items and the current index. Items
// are either texts or string-table numbers whose texts are looked up when
// shown. The channel is the track number the selector speaks for.
class FloatingCombo : public SelObject {
public:
    // How far a selector's text may run past its box before it is cut.
    static constexpr int kOverhang = 10;
    FloatingCombo(SelObject* owner, int channel);
    FloatingCombo(const FloatingCombo&) = default;

    SelObject* HitTest(int x, int y) override;
    Rect GetBoundingRect() const override { return m_rect; }
    // The background, then the current item's text (blue and underlined while
    // hovered), over a white halo for selectors that stand on staff lines,
    // and the hint of an empty hovered selector.
    void Draw(DeviceContext& dc) override;

    int GetIndex() const { return m_index; }
    // Stores the index; with notify, tells the sound engine (subclasses).
    // An index outside the items changes nothing.
    void SetIndex(int index, bool notify);
    // The first item whose text equals the given text becomes current; false
    // when there is none.
    bool SelectText(const std::string& text, bool notify);
    int ItemCount() const;
    std::string ItemText(int index) const;
    std::string CurrentText() const { return ItemText(m_index); }

    int GetChannel() const { return m_channel; }
    // Stores the channel; selectors that drive the engine send their setting.
    virtual void SetChannel(int channel) { m_channel = channel; }

    // Writes or reads the selection; each kind of selector has its own form.
    virtual void Serialize(Archive& archive) = 0;

    const Rect& GetRect() const { return m_rect; }
    void SetRect(const Rect& rect) { m_rect = rect; }
    bool HasHalo() const { return m_halo; }

    // The smallest drop-down list the selector opens, in pixels at any zoom:
    // long item lists stay readable over a small box.
    virtual Size DropDownMinimum() const { return {350, 185}; }
    // The font the drop-down list writes its items in, in score units.
    FontSpec ListFont() const { return TextFont(false); }

protected:
    void SetTextItems(std::vector<std::string> items);
    // Item lists are shared between copies: every chord box of every undo copy
    // would otherwise carry its own 38 names.
    void SetTextItems(std::shared_ptr<const std::vector<std::string>> items);
    void SetIdItems(int firstId, int count);
    void SetHalo(bool halo) { m_halo = halo; }
    // Called after the index changed through SetIndex.
    virtual void OnIndexChanged(bool /*notify*/) {}
    virtual Rect HitRect() const { return m_rect; }
    // Drawing steps subclasses fill in; the base draws no background and no
    // hint, and writes the text at the rectangle's top-left.
    virtual void DrawBackground(DeviceContext& /*dc*/) {}
    virtual FontSpec TextFont(bool hovered) const;
    virtual Point TextOrigin() const { return {m_rect.left, m_rect.top}; }
    virtual void DrawHint(DeviceContext& /*dc*/) {}

private:
    // The text, cut and ended with an ellipsis when wider than the width.
    static std::string FitToWidth(DeviceContext& dc, std::string text, int width);
    static void DrawHalo(DeviceContext& dc, Point origin, const std::string& text);

    int m_channel;
    int m_index = 0;
    Rect m_rect;
    std::shared_ptr<const std::vector<std::string>> m_textItems;
    int m_firstId = 0;
    int m_idCount = 0;
    bool m_halo = false;
};
