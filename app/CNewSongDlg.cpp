#include "app/CNewSongDlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QVBoxLayout>

#include "editor/TransposeSongForm.h"
#include "editor/UndoManager.h"
#include "editor/qt/dialogs/DialogParts.h"
#include "model/Song.h"

namespace {
constexpr const char* kCaption = QT_TRANSLATE_NOOP("CNewSongDlg", "New Music Wizard");
constexpr const char* kTracks = QT_TRANSLATE_NOOP("CNewSongDlg", "Tracks");
constexpr const char* kTemplate = QT_TRANSLATE_NOOP("CNewSongDlg", "&Template");
constexpr const char* kCustom = QT_TRANSLATE_NOOP("CNewSongDlg", "C&ustom");
constexpr const char* kKey = QT_TRANSLATE_NOOP("CNewSongDlg", "Key");
constexpr const char* kMajor = QT_TRANSLATE_NOOP("CNewSongDlg", "&Major");
constexpr const char* kMinor = QT_TRANSLATE_NOOP("CNewSongDlg", "M&inor");
constexpr const char* kTempo = QT_TRANSLATE_NOOP("CNewSongDlg", "T&empo");
constexpr const char* kTimeSignature = QT_TRANSLATE_NOOP("CNewSongDlg", "Time &Signature");
constexpr const char* kUseDefault = QT_TRANSLATE_NOOP("CNewSongDlg", "Use &Default");
constexpr int kCountDigits = 2;
constexpr int kTempoDigits = 3;
// How far the count fields stand in from the radio button they belong to.
constexpr int kIndent = 20;

struct CountField {
    const char* label;
    const char* name;
};
// In the order of NewSongWizardForm::Count.
constexpr std::array<CountField, 4> kCountFields = {{
    {QT_TRANSLATE_NOOP("CNewSongDlg", "Tre&ble"), "treble"},
    {QT_TRANSLATE_NOOP("CNewSongDlg", "B&ass"), "bass"},
    {QT_TRANSLATE_NOOP("CNewSongDlg", "&Percussion"), "percussion"},
    {QT_TRANSLATE_NOOP("CNewSongDlg", "Accompa&niment"), "accompaniment"},
}};

// Sets the text only when it differs, so the caret of a field being typed in
// stays where it is.
void ShowText(QLineEdit& field, const std::string& text) {
    const QString shown = DialogParts::Text(text);
    if (field.text() != shown) {
        field.setText(shown);
    }
}
}  // namespace

CNewSongDlg::CNewSongDlg(Prompt& prompt, QWidget* parent) : QDialog(parent), m_prompt(prompt) {
    setWindowTitle(tr(kCaption));
    // Created in the order Tab walks them.
    QWidget* tracks = MakeTracks();
    QWidget* key = MakeKey();
    QWidget* tempo = MakeTempo();
    QWidget* timeSignature = MakeTimeSignature();
    auto* useDefault = new QPushButton(tr(kUseDefault), this);
    useDefault->setObjectName(QStringLiteral("useDefault"));
    useDefault->setAutoDefault(false);
    QDialogButtonBox* buttons = DialogParts::OkCancel(*this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CNewSongDlg::Ok);
    connect(useDefault, &QPushButton::clicked, this, [this] {
        m_form.UseDefault();
        ShowForm();
    });
    Connect();

    auto* right = new QVBoxLayout;
    right->addWidget(key);
    right->addWidget(tempo);
    right->addWidget(timeSignature);
    right->addStretch();
    auto* groups = new QHBoxLayout;
    groups->addWidget(tracks);
    groups->addLayout(right);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(useDefault);
    bottom->addStretch();
    bottom->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(bottom);
    ShowForm();
    m_templates->setFocus();
}

QWidget* CNewSongDlg::MakeTracks() {
    auto* box = new QGroupBox(tr(kTracks), this);
    m_template = new QRadioButton(tr(kTemplate), box);
    m_template->setObjectName(QStringLiteral("template"));
    m_templates = DialogParts::List(NewSongWizardForm::Shown(NewSongWizardForm::Templates()),
                                    m_form.TemplateIndex(), box);
    m_templates->setObjectName(QStringLiteral("templates"));
    // Every template in view without scrolling.
    const int rows = m_templates->count();
    m_templates->setFixedHeight(m_templates->sizeHintForRow(0) * rows +
                                2 * m_templates->frameWidth() + 2);
    m_templates->setMinimumWidth(m_templates->sizeHintForColumn(0) + 8);
    m_custom = new QRadioButton(tr(kCustom), box);
    m_custom->setObjectName(QStringLiteral("custom"));
    // Two pairs of label and field a row, under "Custom" whose they are.
    auto* counts = new QGridLayout;
    counts->setContentsMargins(kIndent, 0, 0, 0);
    for (size_t i = 0; i < kCountFields.size(); ++i) {
        m_counts[i] = MakeNumberField(kCountFields[i].name, kCountDigits, box);
        const int row = static_cast<int>(i) / 2;
        const int column = static_cast<int>(i) % 2 * 3;
        counts->addWidget(DialogParts::Label(tr(kCountFields[i].label), m_counts[i], box), row,
                          column);
        counts->addWidget(m_counts[i], row, column + 1);
    }
    counts->setColumnMinimumWidth(2, kIndent);
    counts->setColumnStretch(2, 1);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(m_template);
    layout->addWidget(m_templates);
    layout->addWidget(m_custom);
    layout->addLayout(counts);
    layout->addStretch();
    return box;
}

QWidget* CNewSongDlg::MakeKey() {
    auto* box = new QGroupBox(tr(kKey), this);
    m_major = new QRadioButton(tr(kMajor), box);
    m_major->setObjectName(QStringLiteral("major"));
    m_minor = new QRadioButton(tr(kMinor), box);
    m_minor->setObjectName(QStringLiteral("minor"));
    m_majorKeys = DialogParts::Combo(TransposeSongForm::MajorKeys(), m_form.KeyIndex(), box);
    m_majorKeys->setObjectName(QStringLiteral("majorKeys"));
    m_minorKeys = DialogParts::Combo(TransposeSongForm::MinorKeys(), m_form.KeyIndex(), box);
    m_minorKeys->setObjectName(QStringLiteral("minorKeys"));
    auto* layout = new QGridLayout(box);
    layout->addWidget(m_major, 0, 0);
    layout->addWidget(m_minor, 0, 1);
    // One list shows at a time, in the same place.
    layout->addWidget(m_majorKeys, 0, 2);
    layout->addWidget(m_minorKeys, 0, 2);
    layout->setColumnStretch(2, 1);
    return box;
}

QWidget* CNewSongDlg::MakeTempo() {
    auto* box = new QGroupBox(tr(kTempo), this);
    m_tempos = DialogParts::Combo(NewSongWizardForm::Shown(NewSongWizardForm::TempoNames()),
                                  m_form.TempoIndex(), box);
    m_tempos->setObjectName(QStringLiteral("tempos"));
    m_tempo = MakeNumberField("tempo", kTempoDigits, box);
    auto* layout = new QHBoxLayout(box);
    layout->addWidget(m_tempos, 1);
    layout->addWidget(m_tempo);
    return box;
}

QWidget* CNewSongDlg::MakeTimeSignature() {
    auto* box = new QGroupBox(tr(kTimeSignature), this);
    m_timeSignatures = new QButtonGroup(box);
    auto* layout = new QHBoxLayout(box);
    const std::vector<std::string> names = NewSongWizardForm::TimeSignatureNames();
    for (size_t i = 0; i < names.size(); ++i) {
        auto* button = new QRadioButton(DialogParts::Text(names[i]), box);
        button->setObjectName(QStringLiteral("timeSignature%1").arg(i));
        m_timeSignatures->addButton(button, static_cast<int>(i));
        layout->addWidget(button);
    }
    return box;
}

QLineEdit* CNewSongDlg::MakeNumberField(const char* name, int maxDigits, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromUtf8(name));
    field->setMaxLength(maxDigits);
    field->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), field));
    const int digitsWidth = field->fontMetrics().horizontalAdvance(QString(maxDigits + 1, u'0'));
    field->setFixedWidth(digitsWidth +
                         2 * field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 8);
    return field;
}

void CNewSongDlg::Connect() {
    connect(m_template, &QRadioButton::clicked, this, [this] {
        m_form.SetUseTemplate(true);
        ShowForm();
    });
    connect(m_custom, &QRadioButton::clicked, this, [this] {
        m_form.SetUseTemplate(false);
        ShowForm();
    });
    connect(m_templates, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) {
            m_form.ChooseTemplate(row);
            ShowForm();
        }
    });
    for (size_t i = 0; i < m_counts.size(); ++i) {
        connect(m_counts[i], &QLineEdit::textEdited, this, [this, i](const QString& text) {
            m_form.TypeCount(static_cast<Count>(i), text.toStdString(), m_prompt);
            ShowForm();
        });
    }
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
    connect(m_tempos, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_form.ChooseTempo(index);
        ShowForm();
    });
    connect(m_tempo, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_form.TypeTempo(text.toStdString()); });
    connect(m_timeSignatures, &QButtonGroup::idClicked, this,
            [this](int index) { m_form.SetTimeSignatureIndex(index); });
}

void CNewSongDlg::ShowForm() {
    m_template->setChecked(m_form.UsesTemplate());
    m_custom->setChecked(!m_form.UsesTemplate());
    m_templates->setEnabled(m_form.TemplateListEnabled());
    if (m_templates->currentRow() != m_form.TemplateIndex()) {
        const QSignalBlocker blocker(m_templates);
        m_templates->setCurrentRow(m_form.TemplateIndex());
    }
    for (size_t i = 0; i < m_counts.size(); ++i) {
        m_counts[i]->setEnabled(m_form.CountsEnabled());
        ShowText(*m_counts[i], m_form.CountText(static_cast<Count>(i)));
    }
    m_major->setChecked(m_form.ShowsMajor());
    m_minor->setChecked(!m_form.ShowsMajor());
    m_majorKeys->setVisible(m_form.ShowsMajor());
    m_minorKeys->setVisible(!m_form.ShowsMajor());
    DialogParts::Show(*m_majorKeys, m_form.KeyIndex());
    DialogParts::Show(*m_minorKeys, m_form.KeyIndex());
    DialogParts::Show(*m_tempos, m_form.TempoIndex());
    m_tempo->setEnabled(m_form.TempoEditEnabled());
    ShowText(*m_tempo, m_form.TempoText());
    m_timeSignatures->button(m_form.TimeSignatureIndex())->setChecked(true);
}

void CNewSongDlg::Ok() {
    switch (m_form.Ok(m_prompt, UndoManager::Instance())) {
        case NewSongWizardForm::Outcome::Built:
            accept();
            break;
        case NewSongWizardForm::Outcome::TempoRefused:
            m_tempo->setFocus();
            m_tempo->selectAll();
            break;
        case NewSongWizardForm::Outcome::Refused:
            break;
    }
}

std::unique_ptr<Song> CNewSongDlg::TakeSong() {
    return m_form.TakeSong();
}
