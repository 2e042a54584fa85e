#include "editor/qt/dialogs/DialogParts.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

QComboBox* DialogParts::Combo(const std::vector<std::string>& items, int current, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    for (const std::string& item : items) {
        combo->addItem(Text(item));
    }
    combo->setCurrentIndex(current);
    return combo;
}

QListWidget* DialogParts::List(const std::vector<std::string>& items, int current,
                               QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    Refill(*list, items, current);
    return list;
}

void DialogParts::Refill(QListWidget& list, const std::vector<std::string>& items, int current) {
    const QSignalBlocker blocker(list);
    list.clear();
    for (const std::string& item : items) {
        list.addItem(Text(item));
    }
    list.setCurrentRow(current);
}

int DialogParts::ChosenRow(const QListWidget& list) {
    const QList<QListWidgetItem*> chosen = list.selectedItems();
    return chosen.isEmpty() ? -1 : list.row(chosen.first());
}

void DialogParts::Show(QComboBox& combo, int index) {
    const QSignalBlocker blocker(combo);
    combo.setCurrentIndex(index);
}

QLabel* DialogParts::Label(const QString& text, QWidget* field, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(field);
    return label;
}

QDialogButtonBox* DialogParts::OkCancel(QDialog& dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}
