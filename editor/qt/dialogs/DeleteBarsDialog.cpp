#include "editor/qt/dialogs/DeleteBarsDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "editor/FormFields.h"
#include "editor/qt/dialogs/DialogParts.h"
#include "model/Song.h"

namespace {
constexpr const char* kCaption = QT_TRANSLATE_NOOP("DeleteBarsDialog", "Delete Bars");
constexpr const char* kRange = QT_TRANSLATE_NOOP("DeleteBarsDialog", "Delete bars range");
constexpr const char* kFirstLabel = QT_TRANSLATE_NOOP("DeleteBarsDialog", "&From bar:");
constexpr const char* kLastLabel = QT_TRANSLATE_NOOP("DeleteBarsDialog", "&To bar:");
}  // namespace

DeleteBarsDialog::DeleteBarsDialog(Song& song, Prompt& prompt, UndoManager& history,
                                   QWidget* parent)
    : QDialog(parent), m_song(song), m_prompt(prompt), m_history(history) {
    setWindowTitle(tr(kCaption));
    auto* range = new QGroupBox(tr(kRange), this);
    const std::vector<std::string> bars = FormFields::BarItems(song.GetNumBars());
    m_first = DialogParts::Combo(bars, m_form.firstBar, range);
    m_first->setObjectName(QStringLiteral("firstBar"));
    m_last = DialogParts::Combo(bars, m_form.lastBar, range);
    m_last->setObjectName(QStringLiteral("lastBar"));
    QDialogButtonBox* buttons = DialogParts::OkCancel(*this);
    connect(buttons, &QDialogButtonBox::accepted, this, &DeleteBarsDialog::Ok);

    auto* fields = new QFormLayout(range);
    fields->addRow(DialogParts::Label(tr(kFirstLabel), m_first, range), m_first);
    fields->addRow(DialogParts::Label(tr(kLastLabel), m_last, range), m_last);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(range);
    layout->addWidget(buttons);
}

void DeleteBarsDialog::Ok() {
    m_form.firstBar = m_first->currentIndex();
    m_form.lastBar = m_last->currentIndex();
    if (m_form.Ok(m_song, m_prompt, m_history)) {
        accept();
    }
}
