#include "widgets/UpDownControl.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kArrowWidth = 16;
constexpr int kArrowHeight = 11;

QToolButton* Arrow(Qt::ArrowType direction, QWidget* parent) {
    auto* arrow = new QToolButton(parent);
    arrow->setArrowType(direction);
    arrow->setAutoRepeat(true);
    arrow->setFocusPolicy(Qt::NoFocus);
    arrow->setFixedSize(kArrowWidth, kArrowHeight);
    return arrow;
}

}  // namespace

UpDownControl::UpDownControl(QWidget* parent)
    : QWidget(parent), m_up(Arrow(Qt::UpArrow, this)), m_down(Arrow(Qt::DownArrow, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
    connect(m_up, &QToolButton::clicked, this, [this] { emit Stepped(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { emit Stepped(-1); });
}
