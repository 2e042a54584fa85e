#include "editor/qt/SelectorList.h"

#include <QKeyEvent>

SelectorList::SelectorList(QWidget* parent, std::function<void(int)> onClose)
    : QListWidget(parent), m_onClose(std::move(onClose)) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { Finish(row(item)); });
}

void SelectorList::Open(const QStringList& items, int current, const QRect& area,
                        const QFont& font) {
    setFont(font);
    addItems(items);
    setGeometry(area);
    if (current >= 0 && current < count()) {
        setCurrentRow(current);
        scrollToItem(item(current), QAbstractItemView::PositionAtCenter);
    }
    show();
    raise();
    setFocus(Qt::PopupFocusReason);
}

void SelectorList::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Finish(currentRow());
            return;
        case Qt::Key_Escape:
            Finish(-1);
            return;
        default:
            QListWidget::keyPressEvent(event);
    }
}

void SelectorList::focusOutEvent(QFocusEvent* event) {
    QListWidget::focusOutEvent(event);
    Finish(-1);
}

void SelectorList::Finish(int row) {
    // Hiding the list moves the focus away, which would report again.
    if (m_finished) {
        return;
    }
    m_finished = true;
    m_onClose(row);
}
