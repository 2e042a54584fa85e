#include "editor/qt/dialogs/CopyBarDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "editor/FormFields.h"
#include "editor/qt/dialogs/DialogParts.h"
#include "model/Song.h"

namespace {
constexpr const char* kCaption = QT_TRANSLATE_NOOP("CopyBarDialog", "Copy Bar");
constexpr const char* kSourceTrack = QT_TRANSLATE_NOOP("CopyBarDialog", "&Source Track");
constexpr const char* kDestinationTrack = QT_TRANSLATE_NOOP("CopyBarDialog", "D&estination Track");
constexpr const char* kCopyAll = QT_TRANSLATE_NOOP("CopyBarDialog", "Copy &all tracks");
constexpr const char* kSourceRange = QT_TRANSLATE_NOOP("CopyBarDialog", "Source Bar Range");
constexpr const char* kFirstLabel = QT_TRANSLATE_NOOP("CopyBarDialog", "&From:");
constexpr const char* kLastLabel = QT_TRANSLATE_NOOP("CopyBarDialog", "&To:");
constexpr const char* kDestinationBar = QT_TRANSLATE_NOOP("CopyBarDialog", "Destination &Bar");
constexpr const char* kRepetitions = QT_TRANSLATE_NOOP("CopyBarDialog", "&Repetition(s)");
constexpr int kRepetitionsMaxLength = 20;
}  // namespace

CopyBarDialog::CopyBarDialog(Song& song, Prompt& prompt, UndoManager& history, QWidget* parent)
    : QDialog(parent), m_song(song), m_prompt(prompt), m_history(history), m_form(song) {
    setWindowTitle(tr(kCaption));
    m_sources = DialogParts::List(m_form.SourceItems(), 0, this);
    m_sources->setObjectName(QStringLiteral("sourceTracks"));
    m_destinations = DialogParts::List(m_form.DestinationItems(), 0, this);
    m_destinations->setObjectName(QStringLiteral("destinationTracks"));
    m_copyAll = new QCheckBox(tr(kCopyAll), this);
    m_copyAll->setObjectName(QStringLiteral("copyAll"));
    auto* range = new QGroupBox(tr(kSourceRange), this);
    const std::vector<std::string> bars = FormFields::BarItems(song.GetNumBars());
    m_first = DialogParts::Combo(bars, m_form.FirstBar(), range);
    m_first->setObjectName(QStringLiteral("firstBar"));
    m_last = DialogParts::Combo(bars, m_form.LastBar(), range);
    m_last->setObjectName(QStringLiteral("lastBar"));
    m_destinationBar = DialogParts::Combo(bars, m_form.DestinationBar(), this);
    m_destinationBar->setObjectName(QStringLiteral("destinationBar"));
    m_repetitions = new QLineEdit(QStringLiteral("1"), this);
    m_repetitions->setObjectName(QStringLiteral("repetitions"));
    m_repetitions->setMaxLength(kRepetitionsMaxLength);
    QDialogButtonBox* buttons = DialogParts::OkCancel(*this);

    connect(m_sources, &QListWidget::currentRowChanged, this, &CopyBarDialog::ChooseSource);
    connect(m_copyAll, &QCheckBox::toggled, this, &CopyBarDialog::CopyAllTracks);
    connect(m_first, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_form.SetFirstBar(index);
        ShowBars();
    });
    connect(m_last, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_form.SetLastBar(index);
        ShowBars();
    });
    connect(m_destinationBar, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_form.SetDestinationBar(index); });
    connect(buttons, &QDialogButtonBox::accepted, this, &CopyBarDialog::Ok);

    auto* tracks = new QGridLayout;
    tracks->addWidget(DialogParts::Label(tr(kSourceTrack), m_sources, this), 0, 0);
    tracks->addWidget(DialogParts::Label(tr(kDestinationTrack), m_destinations, this), 0, 1);
    tracks->addWidget(m_sources, 1, 0);
    tracks->addWidget(m_destinations, 1, 1);
    auto* rangeFields = new QFormLayout(range);
    rangeFields->addRow(DialogParts::Label(tr(kFirstLabel), m_first, range), m_first);
    rangeFields->addRow(DialogParts::Label(tr(kLastLabel), m_last, range), m_last);
    auto* fields = new QFormLayout;
    fields->addRow(DialogParts::Label(tr(kDestinationBar), m_destinationBar, this),
                   m_destinationBar);
    fields->addRow(DialogParts::Label(tr(kRepetitions), m_repetitions, this), m_repetitions);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tracks);
    layout->addWidget(m_copyAll);
    layout->addWidget(range);
    layout->addLayout(fields);
    layout->addWidget(buttons);
}

void CopyBarDialog::ChooseSource(int row) {
    if (row < 0) {
        return;
    }
    m_form.SetSource(row);
    DialogParts::Refill(*m_destinations, m_form.DestinationItems(), 0);
}

void CopyBarDialog::CopyAllTracks(bool all) {
    m_form.SetCopyAllTracks(all);
    m_sources->setEnabled(!all);
    m_destinations->setEnabled(!all);
    if (all) {
        m_sources->clearSelection();
        m_destinations->clearSelection();
        return;
    }
    // The lists start over from the first source track.
    m_sources->setCurrentRow(-1);
    m_sources->setCurrentRow(0);
}

void CopyBarDialog::ShowBars() {
    DialogParts::Show(*m_first, m_form.FirstBar());
    DialogParts::Show(*m_last, m_form.LastBar());
    DialogParts::Show(*m_destinationBar, m_form.DestinationBar());
}

void CopyBarDialog::Ok() {
    m_form.SetDestination(DialogParts::ChosenRow(*m_destinations));
    m_form.SetRepetitionsText(m_repetitions->text().toStdString());
    CopyBarForm::Focus focus = CopyBarForm::Focus::None;
    if (m_form.Ok(m_song, m_prompt, m_history, &focus)) {
        accept();
        return;
    }
    switch (focus) {
        case CopyBarForm::Focus::LastSourceBar:
            m_last->setFocus();
            break;
        case CopyBarForm::Focus::DestinationBar:
            m_destinationBar->setFocus();
            break;
        case CopyBarForm::Focus::None:
            m_repetitions->setFocus();
            m_repetitions->selectAll();
            break;
    }
}
