#include "editor/qt/dialogs/InsertBarsDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "editor/FormFields.h"
#include "editor/qt/dialogs/DialogParts.h"
#include "model/Song.h"

namespace {
constexpr const char* kCaption = QT_TRANSLATE_NOOP("InsertBarsDialog", "Insert Bars");
constexpr const char* kNumberLabel = QT_TRANSLATE_NOOP("InsertBarsDialog", "&Number of bars:");
constexpr const char* kPositionLabel = QT_TRANSLATE_NOOP("InsertBarsDialog", "&Insert:");
constexpr const char* kBarLabel = QT_TRANSLATE_NOOP("InsertBarsDialog", "&Bar:");
constexpr const char* kBefore = QT_TRANSLATE_NOOP("InsertBarsDialog", "Before");
constexpr const char* kAfter = QT_TRANSLATE_NOOP("InsertBarsDialog", "After");
}  // namespace

InsertBarsDialog::InsertBarsDialog(Song& song, Prompt& prompt, UndoManager& history,
                                   QWidget* parent)
    : QDialog(parent), m_song(song), m_prompt(prompt), m_history(history) {
    setWindowTitle(tr(kCaption));
    m_number = new QLineEdit(DialogParts::Text(m_form.numberText), this);
    m_number->setObjectName(QStringLiteral("number"));
    m_position = DialogParts::Combo({tr(kBefore).toStdString(), tr(kAfter).toStdString()},
                                    m_form.before ? 0 : 1, this);
    m_position->setObjectName(QStringLiteral("position"));
    m_bar = DialogParts::Combo(FormFields::BarItems(song.GetNumBars()), m_form.barIndex, this);
    m_bar->setObjectName(QStringLiteral("bar"));
    QDialogButtonBox* buttons = DialogParts::OkCancel(*this);
    connect(buttons, &QDialogButtonBox::accepted, this, &InsertBarsDialog::Ok);

    auto* fields = new QFormLayout;
    fields->addRow(DialogParts::Label(tr(kNumberLabel), m_number, this), m_number);
    fields->addRow(DialogParts::Label(tr(kPositionLabel), m_position, this), m_position);
    fields->addRow(DialogParts::Label(tr(kBarLabel), m_bar, this), m_bar);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
}

void InsertBarsDialog::Ok() {
    m_form.numberText = m_number->text().toStdString();
    m_form.before = m_position->currentIndex() == 0;
    m_form.barIndex = m_bar->currentIndex();
    if (m_form.Ok(m_song, m_prompt, m_history)) {
        accept();
        return;
    }
    // Every refusal is about the number typed.
    m_number->setFocus();
    m_number->selectAll();
}
