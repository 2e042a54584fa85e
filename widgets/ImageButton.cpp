#include "widgets/ImageButton.h"

#include <QPainter>

ImageButton::ImageButton(QSize imageSize, QWidget* parent)
    : QAbstractButton(parent), m_imageSize(imageSize) {
    setFocusPolicy(Qt::TabFocus);
    setFixedSize(imageSize);
}

void ImageButton::SetImages(Images images) {
    m_images = std::move(images);
    update();
}

ImageButton::State ImageButton::CurrentState() const {
    if (!isEnabled()) {
        return Disabled;
    }
    if (isDown()) {
        return Pressed;
    }
    return hasFocus() ? Focused : Up;
}

const QIcon& ImageButton::ImageOf(State state) const {
    switch (state) {
        case Pressed:
            return m_images.pressed;
        case Focused:
            return m_images.focused;
        case Disabled:
            return m_images.disabled;
        default:
            return m_images.up;
    }
}

void ImageButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    // The icon picks its sharp copy on a high-density screen.
    ImageOf(CurrentState()).paint(&painter, rect());
}
