#pragma once

#include <QLineEdit>
#include <functional>

#include "editor/TextBoxEditing.h"

// The single-line edit field shown over a text box while it is edited: no
// frame, the box's font and alignment, growing with its text.
// It types what it is given except the keys it reports: Enter, Space, Tab and
// Shift+Tab go to the key handler first (Space is typed when the handler
// does not take it), Escape to the cancel handler. Either handler may close
// the field; it is deleted later, never inside its own event.
class TextBoxField : public QLineEdit {
    Q_OBJECT

public:
    using KeyHandler = std::function<bool(TextBoxEditing::Key)>;

    TextBoxField(QWidget* parent, KeyHandler onKey, std::function<void()> onEscape);

    // Shows the text, all of it selected, over the box (parent's pixels).
    void Open(const QString& text, const QRect& box, const QFont& font, Qt::Alignment alignment);
    // Stands over the box, a little wider so that the text starts where the
    // box's own does; it grows with its text as the alignment would, so a
    // syllable longer than its narrow box stays readable as it is typed.
    void Place(const QRect& box);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The room a line edit keeps between its edges and its text, whatever
    // its margins say, and the cursor's width.
    static constexpr int kSideRoom = 2;
    static constexpr int kTopRoom = 1;
    static constexpr int kCursorRoom = 1;

    // The key the box hears for a key press, if it is one of its four.
    static bool BoxKey(const QKeyEvent& event, TextBoxEditing::Key& key);

    KeyHandler m_onKey;
    std::function<void()> m_onEscape;
    QRect m_box;
};
