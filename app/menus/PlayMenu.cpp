#include "app/menus/PlayMenu.h"

#include <QMenu>
#include <QMenuBar>

#include "app/CQuillsong3Doc.h"
#include "playback/SoundEngine.h"

PlayMenu::PlayMenu(QMenuBar& bar, CQuillsong3Doc& document) : QObject(&bar), m_document(document) {
    QMenu* menu = bar.addMenu(tr("&Play"));
    m_play = menu->addAction(tr("&Play\tF5"));
    m_play->setShortcut(QKeySequence(Qt::Key_F5));
    m_stop = menu->addAction(tr("&Stop\tF6"));
    m_stop->setShortcut(QKeySequence(Qt::Key_F6));
    connect(m_play, &QAction::triggered, this, &PlayMenu::PlayOrPause);
    connect(m_stop, &QAction::triggered, this, &PlayMenu::Stop);
    SoundEngine& engine = SoundEngine::Instance();
    engine.Attach(this, SoundEngine::StartAspect);
    engine.Attach(this, SoundEngine::EndAspect);
    Refresh();
}

PlayMenu::~PlayMenu() {
    SoundEngine& engine = SoundEngine::Instance();
    engine.Stop();
    engine.WaitUntilStopped();
    engine.Detach(this, SoundEngine::StartAspect);
    engine.Detach(this, SoundEngine::EndAspect);
}

void PlayMenu::PlayOrPause() {
    SoundEngine& engine = SoundEngine::Instance();
    if (engine.IsActive()) {
        engine.Pause();
    } else if (m_document.GetSong() != nullptr) {
        engine.Play(m_document.GetSong());
    }
    Refresh();
    emit PlayingChanged();
}

void PlayMenu::Stop() {
    SoundEngine::Instance().Stop();
}

void PlayMenu::Refresh() {
    m_stop->setEnabled(SoundEngine::Instance().IsActive());
}

void PlayMenu::Update(Subject* /*subject*/, int /*aspect*/) {
    if (m_posted.exchange(true)) {
        return;
    }
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_posted = false;
            Refresh();
            emit PlayingChanged();
        },
        Qt::QueuedConnection);
}
