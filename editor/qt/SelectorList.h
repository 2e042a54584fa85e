#pragma once

#include <QListWidget>
#include <functional>

// The drop-down list shown over a selector while it is open: its items with
// the current one selected and in sight, scrolling vertically. It closes
// once, reporting the chosen row to the close handler: the row clicked or
// the current row on Enter, -1 on Escape or when the list loses the focus.
// The handler may delete the list later, never inside its own event.
class SelectorList : public QListWidget {
    Q_OBJECT

public:
    // Narrower lists cut off the instrument names.
    static constexpr int kMinimumWidth = 130;

    SelectorList(QWidget* parent, std::function<void(int)> onClose);

    // Shows the items in the rectangle (parent's pixels), takes the focus.
    void Open(const QStringList& items, int current, const QRect& area, const QFont& font);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Finish(int row);

    std::function<void(int)> m_onClose;
    bool m_finished = false;
};
