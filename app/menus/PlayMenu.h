#pragma once

#include <QObject>
#include <atomic>

#include "model/Observer.h"

class CQuillsong3Doc;
class QAction;
class QMenuBar;

// Play and Stop from the menu and the keyboard (F5 plays or pauses, F6
// stops) until the transport panel takes them over. Tells the window when
// playback starts and ends, on the user-interface thread.
class PlayMenu : public QObject, public Observer {
    Q_OBJECT

public:
    PlayMenu(QMenuBar& bar, CQuillsong3Doc& document);
    ~PlayMenu() override;

    QAction* PlayAction() const { return m_play; }
    QAction* StopAction() const { return m_stop; }

    // From the sound engine, on any thread: posts to the window.
    void Update(Subject* subject, int aspect) override;

signals:
    void PlayingChanged();

private:
    void PlayOrPause();
    void Stop();
    void Refresh();

    CQuillsong3Doc& m_document;
    QAction* m_play;
    QAction* m_stop;
    std::atomic<bool> m_posted{false};
};
