#pragma once

#include <memory>
#include <string>

#include "model/Archive.h"
#include "model/Color.h"
#include "model/DeviceContext.h"
#include "model/Observer.h"
#include "model/Palette.h"
#include "model/SelObject.h"
#include "platform/Translation.h"

// A text box drawn on the score: song title and author, free texts, track
// titles and lyrics. It keeps its text, font and rectangle; the key names its
// element in the song file. The parent is the song, track or bar owning it.
class FloatingText : public SelObject, public Observer {
public:
    enum Alignment { AlignLeft = 0, AlignRight = 1, AlignCentre = 2 };
    static constexpr int kMaxTextLength = 199;

    struct Style {
        std::string face = "Tahoma";
        int height = 30;
        int weight = 400;
        int alignment = AlignLeft;
        // Kept in English; shown in the user's language, never saved.
        std::string placeholder = QS_TRANSLATE_NOOP("FloatingText", "Insert Text...");
        Color normalColor{Palette::kInk};
        Color activeColor{Palette::kHover};
        // Measuring never makes the box smaller than the box the layout gave
        // it, for texts whose place is set by something else (lyrics).
        bool keepsLayoutSize = false;
    };

    FloatingText(SelObject* owner, const Box& box, std::string key, Style style);
    FloatingText(const FloatingText&) = default;

    SelObject* HitTest(int x, int y) override;
    Rect GetBoundingRect() const override { return m_rect; }
    void Update(Subject* subject, int aspect) override;
    // The text, or its placeholder when empty, in the active font and colour
    // while hovered or selected. Placeholders are an on-screen hint only, so
    // nothing is printed for an empty box.
    void Draw(DeviceContext& dc) override;

    const std::string& GetText() const { return m_text; }
    // Keeps at most kMaxTextLength bytes, never splitting a UTF-8 character.
    void SetText(const std::string& text);
    const std::string& GetKey() const { return m_key; }
    const Style& GetStyle() const { return m_style; }
    const Rect& GetRect() const { return m_rect; }
    void SetRect(const Rect& rect);
    // The size last given by SetBox or SetRect, which measuring keeps for
    // texts placed by something else; set back together with the rectangle
    // when a text is rebuilt as it was.
    Size GetLayoutSize() const { return m_layoutSize; }
    void SetRect(const Rect& rect, Size layoutSize);
    Box GetBox() const;
    void SetBox(const Box& box);
    // Moves the top-left corner, keeping the size.
    void MoveTo(int x, int y);

    // The font of the text at rest, and the same font underlined for a
    // hovered or selected box.
    const FontSpec& GetNormalFont() const { return m_normalFont; }
    const FontSpec& GetActiveFont() const { return m_activeFont; }
    // Fits the rectangle to the text (or the placeholder) in the normal font,
    // keeping the edge the alignment hangs on and the top. The first form
    // asks the process's TextMeasurer, the second the device context.
    void Measure();
    void Measure(DeviceContext& dc);

    // Writes or reads the text as the attribute named by the key, on the
    // element the box belongs to. A box whose text the file must hold makes
    // its absence a read error; the others keep what they have.
    virtual void Serialize(Archive& archive);

protected:
    // The file element holding the text, and whether the text must be there.
    virtual Archive::Cursor FileElement() const = 0;
    virtual bool TextRequired() const { return false; }
    // The area a pointer hits; subclasses may enlarge it.
    virtual Rect HitRect() const { return m_rect; }

private:
    std::string ShownText() const;
    // The placeholder in the user's language, looked up each time so a
    // language switch shows at the next drawing.
    std::string Placeholder() const;
    void FitTo(Size extent);
    // The left edge of a text of this width under the alignment.
    int TextLeft(int width) const;
    void DrawPlaceholder(DeviceContext& dc, bool hovered) const;

    std::string m_key;
    Style m_style;
    FontSpec m_normalFont;
    FontSpec m_activeFont;
    Rect m_rect;
    // The size last given by SetBox or SetRect, for keepsLayoutSize.
    Size m_layoutSize;
    std::string m_text;
};
