#include "editor/qt/dialogs/ClearBarsDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "editor/FormFields.h"
#include "editor/qt/dialogs/DialogParts.h"
#include "model/Song.h"

namespace {
constexpr const char* kCaption = QT_TRANSLATE_NOOP("ClearBarsDialog", "Clear Bars");
constexpr const char* kTrackLabel = QT_TRANSLATE_NOOP("ClearBarsDialog", "&Track:");
constexpr const char* kFirstLabel = QT_TRANSLATE_NOOP("ClearBarsDialog", "&From bar:");
constexpr const char* kLastLabel = QT_TRANSLATE_NOOP("ClearBarsDialog", "T&o bar:");
}  // namespace

ClearBarsDialog::ClearBarsDialog(Song& song, Prompt& prompt, UndoManager& history, QWidget* parent)
    : QDialog(parent), m_song(song), m_prompt(prompt), m_history(history), m_form(song) {
    setWindowTitle(tr(kCaption));
    m_tracks = DialogParts::List(m_form.TrackItems(), 0, this);
    m_tracks->setObjectName(QStringLiteral("tracks"));
    const std::vector<std::string> bars = FormFields::BarItems(song.GetNumBars());
    m_first = DialogParts::Combo(bars, m_form.FirstBar(), this);
    m_first->setObjectName(QStringLiteral("firstBar"));
    m_last = DialogParts::Combo(bars, m_form.LastBar(), this);
    m_last->setObjectName(QStringLiteral("lastBar"));
    QDialogButtonBox* buttons = DialogParts::OkCancel(*this);

    connect(m_first, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_form.SetFirstBar(index);
        ShowRange();
    });
    connect(m_last, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_form.SetLastBar(index);
        ShowRange();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &ClearBarsDialog::Ok);

    auto* fields = new QFormLayout;
    fields->addRow(DialogParts::Label(tr(kTrackLabel), m_tracks, this), m_tracks);
    fields->addRow(DialogParts::Label(tr(kFirstLabel), m_first, this), m_first);
    fields->addRow(DialogParts::Label(tr(kLastLabel), m_last, this), m_last);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
}

void ClearBarsDialog::ShowRange() {
    DialogParts::Show(*m_first, m_form.FirstBar());
    DialogParts::Show(*m_last, m_form.LastBar());
}

void ClearBarsDialog::Ok() {
    m_form.SetTrack(DialogParts::ChosenRow(*m_tracks));
    if (m_form.Ok(m_song, m_prompt, m_history)) {
        accept();
    }
}
