#pragma once

#include <QWidget>

class QToolButton;

// The small pair of arrows beside a number box: a click on the upper arrow
// asks for one more, on the lower one less, repeating while held. It only
// reports the step; the box beside it decides what the number becomes.
class UpDownControl : public QWidget {
    Q_OBJECT

public:
    explicit UpDownControl(QWidget* parent = nullptr);

    QToolButton* UpArrow() const { return m_up; }
    QToolButton* DownArrow() const { return m_down; }

signals:
    // +1 for the upper arrow, -1 for the lower.
    void Stepped(int change);

private:
    QToolButton* m_up;
    QToolButton* m_down;
};
