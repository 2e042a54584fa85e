#include "app/panels/PlayCommands.h"

#include <QAction>
#include <QWidget>

#include "app/CQuillsong3Doc.h"
#include "app/panels/PreparingToPlayDlg.h"
#include "editor/PlaybackCommands.h"
#include "editor/qt/CQuillsong3View.h"
#include "playback/SoundEngine.h"

PlayCommands::PlayCommands(CQuillsong3Doc& document, CQuillsong3View& view, QWidget& window)
    : QObject(&window),
      m_document(document),
      m_view(view),
      m_window(window),
      m_play(new QAction(this)),
      m_stop(new QAction(this)) {
    connect(m_play, &QAction::triggered, this, &PlayCommands::PlayOrPause);
    connect(m_stop, &QAction::triggered, this, &PlayCommands::Stop);
    m_view.SetPlayHandler([this] { m_play->trigger(); });
    SoundEngine& engine = SoundEngine::Instance();
    engine.Attach(this, SoundEngine::StartAspect);
    engine.Attach(this, SoundEngine::EndAspect);
    Retranslate();
    Refresh();
}

PlayCommands::~PlayCommands() {
    m_view.SetPlayHandler(nullptr);
    SoundEngine& engine = SoundEngine::Instance();
    engine.Stop();
    engine.WaitUntilStopped();
    engine.Detach(this, SoundEngine::StartAspect);
    engine.Detach(this, SoundEngine::EndAspect);
}

void PlayCommands::Retranslate() {
    // The space bar is the view's key, not a shortcut: as a shortcut it would
    // take the space from the lyrics and text boxes.
    m_play->setText(tr("&Play/Pause\tSpace"));
    m_stop->setText(tr("&Stop"));
}

void PlayCommands::PlayOrPause() {
    Song* song = m_document.GetSong();
    m_view.CloseEditors(true);
    switch (PlaybackCommands::PlayOrPause(m_engine, song)) {
        case PlaybackCommands::PlayStep::Prepare:
            OpenPreparingWindow(song);
            break;
        case PlaybackCommands::PlayStep::Paused:
            m_view.setFocus(Qt::OtherFocusReason);
            break;
        case PlaybackCommands::PlayStep::None:
            break;
    }
    Refresh();
    emit PlayingChanged();
}

void PlayCommands::OpenPreparingWindow(Song* song) {
    auto* preparing = new PreparingToPlayDlg(m_engine, song, &m_window);
    // The score window takes the keys back (the space bar pauses) even where
    // the desktop does not reactivate it when the small window goes.
    connect(preparing, &QDialog::finished, &m_window, [this] { m_window.activateWindow(); });
    preparing->open();
}

void PlayCommands::Stop() {
    if (PlaybackCommands::Stop(m_engine)) {
        m_view.setFocus(Qt::OtherFocusReason);
    }
    Refresh();
    emit PlayingChanged();
}

void PlayCommands::Refresh() {
    m_play->setEnabled(m_engine.IsActive() || PlaybackCommands::CanPlay(m_document.GetSong()));
    m_stop->setEnabled(PlaybackCommands::CanStop(m_engine));
}

void PlayCommands::Update(Subject* /*subject*/, int /*aspect*/) {
    if (m_posted.exchange(true, std::memory_order_acq_rel)) {
        return;
    }
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_posted.store(false, std::memory_order_release);
            Refresh();
            emit PlayingChanged();
        },
        Qt::QueuedConnection);
}
