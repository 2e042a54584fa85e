#include "editor/qt/dialogs/DeleteTrackDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/qt/dialogs/DialogParts.h"

namespace {
constexpr const char* kCaption = QT_TRANSLATE_NOOP("DeleteTrackDialog", "Delete Track");
constexpr const char* kTrackLabel = QT_TRANSLATE_NOOP("DeleteTrackDialog", "&Tracks:");
constexpr const char* kDelete = QT_TRANSLATE_NOOP("DeleteTrackDialog", "&Delete");
}  // namespace

DeleteTrackDialog::DeleteTrackDialog(Song& song, Prompt& prompt, UndoManager& history,
                                     QWidget* parent)
    : QDialog(parent), m_prompt(prompt), m_history(history), m_form(song) {
    setWindowTitle(tr(kCaption));
    m_tracks = DialogParts::List(m_form.Items(), 0, this);
    m_tracks->setObjectName(QStringLiteral("tracks"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton* remove = buttons->addButton(tr(kDelete), QDialogButtonBox::AcceptRole);
    remove->setObjectName(QStringLiteral("delete"));
    remove->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &DeleteTrackDialog::Delete);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DialogParts::Label(tr(kTrackLabel), m_tracks, this));
    layout->addWidget(m_tracks);
    layout->addWidget(buttons);
}

void DeleteTrackDialog::Delete() {
    if (m_form.Delete(DialogParts::ChosenRow(*m_tracks), m_prompt, m_history)) {
        accept();
    }
}
