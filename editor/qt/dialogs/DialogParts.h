#pragma once

#include <QString>
#include <string>
#include <vector>

class QComboBox;
class QDialog;
class QDialogButtonBox;
class QLabel;
class QListWidget;
class QWidget;

// The pieces the editor's dialogs are built from, so they look and behave
// alike: drop-down and plain lists filled from a form's items, labels whose
// access key moves to their field, and the OK / Cancel row where Enter means
// OK and Escape Cancel. Texts are UTF-8.
class DialogParts {
public:
    static QString Text(const std::string& text) { return QString::fromUtf8(text); }
    static QString Text(const char* text) { return QString::fromUtf8(text); }

    // A drop-down list of the items with the item at current chosen.
    static QComboBox* Combo(const std::vector<std::string>& items, int current, QWidget* parent);
    // A one-choice list of the items with the item at current chosen (-1: none).
    static QListWidget* List(const std::vector<std::string>& items, int current, QWidget* parent);
    // Replaces the list's items, choosing the one at current.
    static void Refill(QListWidget& list, const std::vector<std::string>& items, int current);
    // The chosen item of a one-choice list; -1 when none is selected.
    static int ChosenRow(const QListWidget& list);
    // Sets the drop-down's item without reporting it as the user's choice.
    static void Show(QComboBox& combo, int index);

    // A label whose "&" access key gives the focus to its field.
    static QLabel* Label(const QString& text, QWidget* field, QWidget* parent);
    // OK and Cancel, OK the default button; Cancel rejects the dialog and OK
    // is left for the dialog to connect (accepted()).
    static QDialogButtonBox* OkCancel(QDialog& dialog);
};
