#pragma once

#include <QDialog>

#include "editor/PlayPreparationProgress.h"

class QProgressBar;
class QTimer;
class Song;
class TransportEngine;

// The small modal window "Preparing to play music ..." of the play command:
// as it opens it starts the engine on the song, moves its progress bar every
// 150 ms while the engine prepares, and closes (and deletes) itself as soon
// as the engine has started or given up. Open it with open(), which returns
// at once.
class PreparingToPlayDlg : public QDialog {
    Q_OBJECT

public:
    // Neither the engine nor the song is owned; both outlive the window.
    PreparingToPlayDlg(TransportEngine& engine, Song* song, QWidget* parent);

    int Progress() const { return m_progress.Position(); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Tick();

    TransportEngine& m_engine;
    Song* m_song;
    PlayPreparationProgress m_progress;
    QProgressBar* m_bar;
    QTimer* m_timer;
    bool m_started = false;
};
