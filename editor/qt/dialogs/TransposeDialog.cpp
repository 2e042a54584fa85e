#include "editor/qt/dialogs/TransposeDialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editor/FormFields.h"
#include "editor/qt/dialogs/DialogParts.h"
#include "model/Song.h"

namespace {
constexpr const char* kCaption = QT_TRANSLATE_NOOP("TransposeDialog", "Transpose the music");
constexpr const char* kNewKey = QT_TRANSLATE_NOOP("TransposeDialog", "&New Key");
constexpr const char* kSemitones = QT_TRANSLATE_NOOP("TransposeDialog", "Number of &Semitones");
constexpr const char* kMajor = QT_TRANSLATE_NOOP("TransposeDialog", "&Major");
constexpr const char* kMinor = QT_TRANSLATE_NOOP("TransposeDialog", "M&inor");
constexpr const char* kDirectionLabel = QT_TRANSLATE_NOOP("TransposeDialog", "&Direction:");
constexpr const char* kUpward = QT_TRANSLATE_NOOP("TransposeDialog", "Upward");
constexpr const char* kDownward = QT_TRANSLATE_NOOP("TransposeDialog", "Downward");
constexpr const char* kWarning = QT_TRANSLATE_NOOP(
    "TransposeDialog",
    "Warning : After transposition, some notes may fall outside the editable range (too high / "
    "too low).");
constexpr int kMaxSemitones = 11;
}  // namespace

TransposeDialog::TransposeDialog(std::unique_ptr<Song>& song, Prompt& prompt, UndoManager& history,
                                 QWidget* parent)
    : QDialog(parent),
      m_song(song),
      m_prompt(prompt),
      m_history(history),
      m_form(song->GetKeySignature()) {
    setWindowTitle(tr(kCaption));
    m_newKey = new QRadioButton(tr(kNewKey), this);
    m_newKey->setObjectName(QStringLiteral("newKey"));
    m_major = new QRadioButton(tr(kMajor), this);
    m_major->setObjectName(QStringLiteral("major"));
    m_minor = new QRadioButton(tr(kMinor), this);
    m_minor->setObjectName(QStringLiteral("minor"));
    m_majorKeys = DialogParts::Combo(TransposeSongForm::MajorKeys(), m_form.KeyIndex(), this);
    m_majorKeys->setObjectName(QStringLiteral("majorKeys"));
    m_minorKeys = DialogParts::Combo(TransposeSongForm::MinorKeys(), m_form.KeyIndex(), this);
    m_minorKeys->setObjectName(QStringLiteral("minorKeys"));
    m_semitones = new QRadioButton(tr(kSemitones), this);
    m_semitones->setObjectName(QStringLiteral("semitones"));
    m_semitoneCount =
        DialogParts::Combo(FormFields::BarItems(kMaxSemitones), m_form.SemitoneIndex(), this);
    m_semitoneCount->setObjectName(QStringLiteral("semitoneCount"));
    m_direction = DialogParts::Combo({tr(kUpward).toStdString(), tr(kDownward).toStdString()},
                                     m_form.Upward() ? 0 : 1, this);
    m_direction->setObjectName(QStringLiteral("direction"));
    auto* warning = new QLabel(tr(kWarning), this);
    warning->setWordWrap(true);
    QDialogButtonBox* buttons = DialogParts::OkCancel(*this);

    // Two pairs of choices among siblings: each pair excludes only itself.
    auto* modes = new QButtonGroup(this);
    modes->addButton(m_newKey);
    modes->addButton(m_semitones);
    auto* keyNames = new QButtonGroup(this);
    keyNames->addButton(m_major);
    keyNames->addButton(m_minor);

    connect(m_newKey, &QRadioButton::clicked, this, [this] {
        m_form.SetMode(TransposeSongForm::Mode::NewKey);
        ShowForm();
    });
    connect(m_semitones, &QRadioButton::clicked, this, [this] {
        m_form.SetMode(TransposeSongForm::Mode::Semitones);
        ShowForm();
    });
    connect(m_major, &QRadioButton::clicked, this, [this] {
        m_form.ShowMajor(true);
        ShowForm();
    });
    connect(m_minor, &QRadioButton::clicked, this, [this] {
        m_form.ShowMajor(false);
        ShowForm();
    });
    for (QComboBox* keys : {m_majorKeys, m_minorKeys}) {
        connect(keys, &QComboBox::currentIndexChanged, this, [this](int index) {
            m_form.SetKeyIndex(index);
            ShowForm();
        });
    }
    connect(m_semitoneCount, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_form.SetSemitoneIndex(index); });
    connect(m_direction, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_form.SetUpward(index == 0); });
    connect(buttons, &QDialogButtonBox::accepted, this, &TransposeDialog::Ok);

    auto* grid = new QGridLayout;
    grid->addWidget(m_newKey, 0, 0);
    grid->addWidget(m_major, 0, 1);
    grid->addWidget(m_minor, 0, 2);
    grid->addWidget(m_majorKeys, 0, 3);
    grid->addWidget(m_minorKeys, 0, 3);
    grid->addWidget(m_semitones, 1, 0);
    grid->addWidget(m_semitoneCount, 1, 3);
    grid->addWidget(DialogParts::Label(tr(kDirectionLabel), m_direction, this), 2, 0);
    grid->addWidget(m_direction, 2, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(warning);
    layout->addWidget(buttons);
    ShowForm();
}

void TransposeDialog::ShowForm() {
    const bool keys = m_form.KeyListsEnabled();
    m_newKey->setChecked(keys);
    m_semitones->setChecked(!keys);
    m_major->setChecked(m_form.ShowsMajor());
    m_minor->setChecked(!m_form.ShowsMajor());
    for (QWidget* keyField :
         std::initializer_list<QWidget*>{m_major, m_minor, m_majorKeys, m_minorKeys}) {
        keyField->setEnabled(keys);
    }
    m_majorKeys->setVisible(m_form.ShowsMajor());
    m_minorKeys->setVisible(!m_form.ShowsMajor());
    DialogParts::Show(*m_majorKeys, m_form.KeyIndex());
    DialogParts::Show(*m_minorKeys, m_form.KeyIndex());
    m_semitoneCount->setEnabled(m_form.SemitoneListEnabled());
}

void TransposeDialog::Ok() {
    switch (m_form.Ok(m_song, m_prompt, m_history)) {
        case TransposeSongForm::Outcome::Transposed:
            accept();
            break;
        case TransposeSongForm::Outcome::Failed:
            reject();
            break;
        case TransposeSongForm::Outcome::StayOpen:
            break;
    }
}
