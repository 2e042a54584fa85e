#include "editor/qt/dialogs/ShiftNotesDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editor/qt/dialogs/DialogParts.h"
#include "model/Song.h"

namespace {
constexpr const char* kCaption = QT_TRANSLATE_NOOP("ShiftNotesDialog", "Shift Notes");
constexpr const char* kTrackLabel = QT_TRANSLATE_NOOP("ShiftNotesDialog", "&Track:");
constexpr const char* kFirstLabel = QT_TRANSLATE_NOOP("ShiftNotesDialog", "&From bar:");
constexpr const char* kLastLabel = QT_TRANSLATE_NOOP("ShiftNotesDialog", "T&o bar:");
constexpr const char* kStepsLabel = QT_TRANSLATE_NOOP("ShiftNotesDialog", "&Steps:");
constexpr const char* kUpward = QT_TRANSLATE_NOOP("ShiftNotesDialog", "&Upward");
constexpr const char* kDownward = QT_TRANSLATE_NOOP("ShiftNotesDialog", "&Downward");
constexpr const char* kWarning = QT_TRANSLATE_NOOP(
    "ShiftNotesDialog",
    "Warning : After shifting, some notes may fall outside the editable range (too high / too "
    "low).");
}  // namespace

ShiftNotesDialog::ShiftNotesDialog(Song& song, Prompt& prompt, UndoManager& history,
                                   QWidget* parent)
    : QDialog(parent), m_song(song), m_prompt(prompt), m_history(history), m_form(song) {
    setWindowTitle(tr(kCaption));
    m_tracks = DialogParts::List(m_form.TrackItems(), 0, this);
    m_tracks->setObjectName(QStringLiteral("tracks"));
    m_first = DialogParts::Combo(m_form.BarItems(), m_form.FirstBar(), this);
    m_first->setObjectName(QStringLiteral("firstBar"));
    m_last = DialogParts::Combo(m_form.BarItems(), m_form.LastBar(), this);
    m_last->setObjectName(QStringLiteral("lastBar"));
    m_steps = new QLineEdit(QStringLiteral("0"), this);
    m_steps->setObjectName(QStringLiteral("steps"));
    m_upward = new QRadioButton(tr(kUpward), this);
    m_upward->setObjectName(QStringLiteral("upward"));
    m_upward->setChecked(true);
    auto* downward = new QRadioButton(tr(kDownward), this);
    downward->setObjectName(QStringLiteral("downward"));
    auto* warning = new QLabel(tr(kWarning), this);
    warning->setWordWrap(true);
    QDialogButtonBox* buttons = DialogParts::OkCancel(*this);
    buttons->button(QDialogButtonBox::Ok)->setEnabled(m_form.OkEnabled());

    connect(m_first, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_form.SetFirstBar(index);
        ShowRange();
    });
    connect(m_last, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_form.SetLastBar(index);
        ShowRange();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &ShiftNotesDialog::Ok);

    auto* direction = new QHBoxLayout;
    direction->addWidget(m_upward);
    direction->addWidget(downward);
    auto* fields = new QFormLayout;
    fields->addRow(DialogParts::Label(tr(kTrackLabel), m_tracks, this), m_tracks);
    fields->addRow(DialogParts::Label(tr(kFirstLabel), m_first, this), m_first);
    fields->addRow(DialogParts::Label(tr(kLastLabel), m_last, this), m_last);
    fields->addRow(DialogParts::Label(tr(kStepsLabel), m_steps, this), m_steps);
    fields->addRow(direction);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(warning);
    layout->addWidget(buttons);
}

void ShiftNotesDialog::ShowRange() {
    DialogParts::Show(*m_first, m_form.FirstBar());
    DialogParts::Show(*m_last, m_form.LastBar());
}

void ShiftNotesDialog::Ok() {
    m_form.SetTrackIndex(DialogParts::ChosenRow(*m_tracks));
    m_form.SetStepsText(m_steps->text().toStdString());
    m_form.SetUpward(m_upward->isChecked());
    if (m_form.Ok(m_song, m_prompt, m_history)) {
        accept();
        return;
    }
    m_steps->setFocus();
    m_steps->selectAll();
}
