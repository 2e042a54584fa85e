#pragma once

#include <QAbstractButton>
#include <QIcon>

// A push button drawn only with pictures, one for each of its four states:
// up, pressed (held down), focused (has the keyboard focus) and disabled.
// It takes the focus from the keyboard only, so a click leaves the focus
// where it was. Its size is the pictures' logical size.
class ImageButton : public QAbstractButton {
    Q_OBJECT

public:
    struct Images {
        QIcon up;
        QIcon pressed;
        QIcon focused;
        QIcon disabled;
    };
    enum State { Up, Pressed, Focused, Disabled };

    explicit ImageButton(QSize imageSize, QWidget* parent = nullptr);

    // Shows these pictures from now on (the play button swaps its pictures
    // for pause while music plays).
    void SetImages(Images images);
    State CurrentState() const;
    // The picture the button shows now.
    const QIcon& CurrentImage() const { return ImageOf(CurrentState()); }
    QSize sizeHint() const override { return m_imageSize; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QIcon& ImageOf(State state) const;

    QSize m_imageSize;
    Images m_images;
};
