#include "editor/qt/TextBoxField.h"

#include <QKeyEvent>
#include <algorithm>

#include "model/FloatingText.h"

TextBoxField::TextBoxField(QWidget* parent, KeyHandler onKey, std::function<void()> onEscape)
    : QLineEdit(parent), m_onKey(std::move(onKey)), m_onEscape(std::move(onEscape)) {
    // The field stands in for the text on the page, so it wears no frame
    // and no margins that would shift the text.
    setFrame(false);
    setTextMargins(0, 0, 0, 0);
    setContentsMargins(0, 0, 0, 0);
    setMaxLength(FloatingText::kMaxTextLength);
    connect(this, &QLineEdit::textChanged, this, [this] { Place(m_box); });
}

void TextBoxField::Open(const QString& text, const QRect& box, const QFont& font,
                        Qt::Alignment alignment) {
    setFont(font);
    // The page writes a box's text at its top (a lyric's box is taller than
    // its text), so the field does too.
    setAlignment(alignment | Qt::AlignTop);
    setText(text);
    Place(box);
    selectAll();
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
}

void TextBoxField::Place(const QRect& box) {
    m_box = box;
    // Also where the screen font runs a pixel or two wider than the page's
    // measure.
    const int extra = std::max(0, fontMetrics().horizontalAdvance(text()) - box.width());
    QRect area = box;
    if (alignment() & Qt::AlignRight) {
        area.setLeft(area.left() - extra);
    } else if (alignment() & Qt::AlignHCenter) {
        area.adjust(-extra / 2, 0, extra - extra / 2, 0);
    } else {
        area.setRight(area.right() + extra);
    }
    setGeometry(area.adjusted(-kSideRoom, -kTopRoom, kSideRoom + kCursorRoom, 0));
}

bool TextBoxField::event(QEvent* event) {
    // Tab and Shift+Tab would move the focus before keyPressEvent sees them.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(static_cast<QKeyEvent*>(event));
            return true;
        }
    }
    return QLineEdit::event(event);
}

void TextBoxField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        m_onEscape();
        return;
    }
    // A Space the box does not take is typed; the other three keys never are.
    TextBoxEditing::Key key{};
    if (BoxKey(*event, key) && (m_onKey(key) || key != TextBoxEditing::Key::Space)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

bool TextBoxField::BoxKey(const QKeyEvent& event, TextBoxEditing::Key& key) {
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            key = TextBoxEditing::Key::Enter;
            return true;
        case Qt::Key_Space:
            key = TextBoxEditing::Key::Space;
            return true;
        case Qt::Key_Backtab:
            key = TextBoxEditing::Key::BackTab;
            return true;
        case Qt::Key_Tab:
            key = (event.modifiers() & Qt::ShiftModifier) ? TextBoxEditing::Key::BackTab
                                                          : TextBoxEditing::Key::Tab;
            return true;
        default:
            return false;
    }
}
