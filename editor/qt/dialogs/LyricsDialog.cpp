#include "editor/qt/dialogs/LyricsDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "editor/qt/dialogs/DialogParts.h"

namespace {
constexpr const char* kCaption = QT_TRANSLATE_NOOP("LyricsDialog", "Lyrics");
constexpr const char* kTrackLabel = QT_TRANSLATE_NOOP("LyricsDialog", "&Tracks with lyrics:");
}  // namespace

LyricsDialog::LyricsDialog(Song& song, Prompt& prompt, UndoManager& history, QWidget* parent)
    : QDialog(parent), m_prompt(prompt), m_history(history), m_form(song) {
    setWindowTitle(tr(kCaption));
    m_tracks = DialogParts::List(m_form.Items(), 0, this);
    m_tracks->setObjectName(QStringLiteral("tracks"));
    for (int row = 0; row < m_tracks->count(); ++row) {
        QListWidgetItem* item = m_tracks->item(row);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(m_form.IsChecked(row) ? Qt::Checked : Qt::Unchecked);
    }
    QDialogButtonBox* buttons = DialogParts::OkCancel(*this);
    connect(buttons, &QDialogButtonBox::accepted, this, &LyricsDialog::Ok);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DialogParts::Label(tr(kTrackLabel), m_tracks, this));
    layout->addWidget(m_tracks);
    layout->addWidget(buttons);
}

void LyricsDialog::Ok() {
    for (int row = 0; row < m_tracks->count(); ++row) {
        m_form.SetChecked(row, m_tracks->item(row)->checkState() == Qt::Checked);
    }
    done(m_form.Ok(m_prompt, m_history) ? Accepted : Rejected);
}
