#pragma once

#include <QObject>
#include <atomic>

#include "editor/SoundEngineTransport.h"
#include "model/Observer.h"

class CQuillsong3Doc;
class CQuillsong3View;
class QAction;
class Song;
class QWidget;

// Play/Pause and Stop of the score window, wherever they come from: the Play
// menu, the space bar on the score and the transport panel's buttons all run
// these two actions. Play opens the "Preparing to play music ..." window,
// which starts the music; pausing and stopping give the score the keyboard
// focus back. Watches the sound engine and, on the user-interface thread,
// keeps the actions' enabled state and texts current and tells the window.
class PlayCommands : public QObject, public Observer {
    Q_OBJECT

public:
    // The window is the preparing window's parent; all three outlive this.
    PlayCommands(CQuillsong3Doc& document, CQuillsong3View& view, QWidget& window);
    // Stops playback and waits for its end.
    ~PlayCommands() override;

    QAction* PlayAction() const { return m_play; }
    QAction* StopAction() const { return m_stop; }

    void PlayOrPause();
    void Stop();
    // The texts in the language now chosen.
    void Retranslate();
    // Enabled states from the song and the engine.
    void Refresh();

    // From the sound engine, on any thread: posts once to the window.
    void Update(Subject* subject, int aspect) override;

signals:
    // Playback started, paused or ended; on the user-interface thread.
    void PlayingChanged();

private:
    void OpenPreparingWindow(Song* song);

    CQuillsong3Doc& m_document;
    CQuillsong3View& m_view;
    QWidget& m_window;
    SoundEngineTransport m_engine;
    QAction* m_play;
    QAction* m_stop;
    std::atomic<bool> m_posted{false};
};
