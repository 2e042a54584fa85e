#include "app/panels/TimeControlPanel.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "app/panels/PlayCommands.h"
#include "editor/qt/PanelIcons.h"
#include "editor/qt/ToolBarIcons.h"
#include "playback/SoundEngine.h"
#include "widgets/ImageButton.h"
#include "widgets/UpDownControl.h"

namespace {

constexpr int kBarBoxWidth = 44;
constexpr int kBeatBoxWidth = 30;
constexpr int kTempoBoxWidth = 44;
constexpr int kGap = 10;

ImageButton::Images ImagesOf(PanelIcons::Picture picture) {
    return {PanelIcons::For(picture, PanelIcons::Up), PanelIcons::For(picture, PanelIcons::Pressed),
            PanelIcons::For(picture, PanelIcons::Focused),
            PanelIcons::For(picture, PanelIcons::Disabled)};
}

ImageButton* Button(PanelIcons::Picture picture, QWidget* parent) {
    auto* button = new ImageButton(QSize(PanelIcons::kSize, PanelIcons::kSize), parent);
    button->SetImages(ImagesOf(picture));
    return button;
}

QLineEdit* Box(int width, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setFixedWidth(width);
    box->setAlignment(Qt::AlignRight);
    return box;
}

// The tool bar's note pictures stand for the beat unit.
InputCommands::Command NoteOf(TransportPanelForm::BeatPicture picture) {
    switch (picture) {
        case TransportPanelForm::BeatPicture::Half:
            return InputCommands::HalfNote;
        case TransportPanelForm::BeatPicture::Eighth:
            return InputCommands::EighthNote;
        default:
            return InputCommands::QuarterNote;
    }
}

}  // namespace

TimeControlPanel::TimeControlPanel(PlayCommands& commands, Prompt& prompt, QWidget* parent)
    : QWidget(parent), m_commands(commands), m_form(m_engine, prompt) {
    BuildControls();
    Connect();
    SoundEngine& engine = SoundEngine::Instance();
    for (const int aspect : {SoundEngine::BeatAspect, SoundEngine::TempoAspect,
                             SoundEngine::StartAspect, SoundEngine::EndAspect}) {
        engine.Attach(this, aspect);
    }
    Refresh();
}

TimeControlPanel::~TimeControlPanel() {
    SoundEngine& engine = SoundEngine::Instance();
    for (const int aspect : {SoundEngine::BeatAspect, SoundEngine::TempoAspect,
                             SoundEngine::StartAspect, SoundEngine::EndAspect}) {
        engine.Detach(this, aspect);
    }
}

void TimeControlPanel::BuildControls() {
    m_rewind = Button(PanelIcons::Rewind, this);
    m_play = Button(PanelIcons::Play, this);
    m_stop = Button(PanelIcons::Stop, this);
    m_bar = Box(kBarBoxWidth, this);
    m_barUpDown = new UpDownControl(this);
    m_beat = Box(kBeatBoxWidth, this);
    m_beat->setReadOnly(true);
    m_beat->setFocusPolicy(Qt::NoFocus);
    m_metronome = new ImageButton(QSize(PanelIcons::kSize, PanelIcons::kSize), this);
    m_beatUnit = new QLabel(this);
    m_tempo = Box(kTempoBoxWidth, this);
    m_tempoUpDown = new UpDownControl(this);
    m_rewind->setToolTip(tr("Rewind"));
    m_stop->setToolTip(tr("Stop"));
    m_metronome->setToolTip(tr("Metronome"));

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(3);
    for (QWidget* w : {static_cast<QWidget*>(m_rewind), static_cast<QWidget*>(m_play),
                       static_cast<QWidget*>(m_stop)}) {
        row->addWidget(w);
    }
    row->addSpacing(kGap);
    row->addWidget(new QLabel(tr("Now"), this));
    row->addWidget(m_bar);
    row->addWidget(m_barUpDown);
    row->addWidget(new QLabel(QStringLiteral(":"), this));
    row->addWidget(m_beat);
    row->addSpacing(kGap / 2);
    row->addWidget(m_metronome);
    row->addSpacing(kGap);
    row->addWidget(new QLabel(tr("Tempo"), this));
    row->addWidget(m_beatUnit);
    row->addWidget(new QLabel(QStringLiteral("="), this));
    row->addWidget(m_tempo);
    row->addWidget(m_tempoUpDown);
}

void TimeControlPanel::Connect() {
    connect(m_play, &ImageButton::clicked, m_commands.PlayAction(), &QAction::trigger);
    connect(m_stop, &ImageButton::clicked, m_commands.StopAction(), &QAction::trigger);
    connect(&m_commands, &PlayCommands::PlayingChanged, this, &TimeControlPanel::Refresh);
    connect(m_rewind, &ImageButton::clicked, this,
            [this] { m_bar->setText(QString::fromStdString(m_form.Rewind())); });
    connect(m_metronome, &ImageButton::clicked, this, &TimeControlPanel::ToggleMetronome);
    connect(m_bar, &QLineEdit::editingFinished, this, &TimeControlPanel::CommitBar);
    connect(m_tempo, &QLineEdit::editingFinished, this, &TimeControlPanel::CommitTempo);
    connect(m_barUpDown, &UpDownControl::Stepped, this, [this](int change) {
        m_bar->setText(QString::fromStdString(m_form.StepBar(m_bar->text().toStdString(), change)));
    });
    connect(m_tempoUpDown, &UpDownControl::Stepped, this, [this](int change) {
        m_tempo->setText(
            QString::fromStdString(m_form.StepTempo(m_tempo->text().toStdString(), change)));
    });
}

void TimeControlPanel::CommitBar() {
    m_bar->setText(QString::fromStdString(m_form.CommitBar(m_bar->text().toStdString())));
}

void TimeControlPanel::CommitTempo() {
    m_form.CommitTempo(m_tempo->text().toStdString(), [this](const std::string& text, bool select) {
        m_tempo->setText(QString::fromStdString(text));
        if (select) {
            m_tempo->selectAll();
        }
    });
}

void TimeControlPanel::ToggleMetronome() {
    m_engine.ToggleMetronome();
    ShowButtons();
}

void TimeControlPanel::Refresh() {
    ShowPosition();
    ShowButtons();
}

void TimeControlPanel::ShowPosition() {
    const TransportPanelForm::Shown shown = m_form.Position();
    // A number being typed stays until the box is left.
    for (const auto& [box, text] : {std::pair{m_bar, shown.bar}, std::pair{m_beat, shown.beat},
                                    std::pair{m_tempo, shown.tempo}}) {
        if (!(box->hasFocus() && box->isModified())) {
            box->setText(QString::fromStdString(text));
        }
    }
}

void TimeControlPanel::ShowButtons() {
    const bool enabled = m_form.BoxesEnabled();
    for (QWidget* control : {static_cast<QWidget*>(m_rewind), static_cast<QWidget*>(m_bar),
                             static_cast<QWidget*>(m_barUpDown), static_cast<QWidget*>(m_tempo),
                             static_cast<QWidget*>(m_tempoUpDown)}) {
        control->setEnabled(enabled);
    }
    m_play->setEnabled(m_commands.PlayAction()->isEnabled());
    m_stop->setEnabled(m_commands.StopAction()->isEnabled());
    const bool pause = m_form.ShowsPause();
    if (m_shownPlayPicture != static_cast<int>(pause)) {
        m_shownPlayPicture = static_cast<int>(pause);
        m_play->SetImages(ImagesOf(pause ? PanelIcons::Pause : PanelIcons::Play));
        m_play->setToolTip(pause ? tr("Pause") : tr("Play"));
    }
    const bool metronome = m_engine.IsMetronomeOn();
    if (m_shownMetronome != static_cast<int>(metronome)) {
        m_shownMetronome = static_cast<int>(metronome);
        m_metronome->SetImages(
            ImagesOf(metronome ? PanelIcons::MetronomeOn : PanelIcons::MetronomeOff));
    }
}

void TimeControlPanel::ShowBeatUnit(int beatUnit) {
    const QIcon note = ToolBarIcons::For(NoteOf(TransportPanelForm::PictureFor(beatUnit)));
    m_beatUnit->setPixmap(
        note.pixmap(QSize(ToolBarIcons::kSize, ToolBarIcons::kSize), devicePixelRatioF()));
}

void TimeControlPanel::Update(Subject* /*subject*/, int /*aspect*/) {
    // On the engine's threads: never touch a widget here, nor wait.
    if (m_posted.exchange(true, std::memory_order_acq_rel)) {
        return;
    }
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_posted.store(false, std::memory_order_release);
            Refresh();
        },
        Qt::QueuedConnection);
}
