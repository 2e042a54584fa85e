#pragma once

#include <QWidget>
#include <atomic>

#include "editor/SoundEngineTransport.h"
#include "editor/TransportPanelForm.h"
#include "model/Observer.h"

class ImageButton;
class PlayCommands;
class Prompt;
class QLabel;
class QLineEdit;
class UpDownControl;

// The transport panel: rewind, play/pause, stop, the bar ("Now") and beat
// boxes, the metronome switch, the beat-unit picture and the tempo box.
// Its rules are TransportPanelForm's; play and stop are PlayCommands'. It
// watches the sound engine, whose notifications come on the playback and
// timer threads: there it only sets a flag and posts once to the
// user-interface thread, which then reads the engine and shows bar, beat,
// tempo, the play button's picture and what is usable; the engine's threads
// never wait for the panel.
class TimeControlPanel : public QWidget, public Observer {
    Q_OBJECT

public:
    // Messages go through the prompt; it and the commands outlive the panel.
    TimeControlPanel(PlayCommands& commands, Prompt& prompt, QWidget* parent = nullptr);
    ~TimeControlPanel() override;

    ImageButton& RewindButton() const { return *m_rewind; }
    ImageButton& PlayButton() const { return *m_play; }
    ImageButton& StopButton() const { return *m_stop; }
    ImageButton& MetronomeButton() const { return *m_metronome; }
    QLineEdit& BarBox() const { return *m_bar; }
    QLineEdit& BeatBox() const { return *m_beat; }
    QLineEdit& TempoBox() const { return *m_tempo; }
    UpDownControl& BarUpDown() const { return *m_barUpDown; }
    UpDownControl& TempoUpDown() const { return *m_tempoUpDown; }
    QLabel& BeatUnitPicture() const { return *m_beatUnit; }

    // Everything the panel shows, from the engine now.
    void Refresh();
    // The beat-unit picture for the song's time signature: 2, 4 or 8.
    void ShowBeatUnit(int beatUnit);

    // From the sound engine, on any thread.
    void Update(Subject* subject, int aspect) override;

private:
    void BuildControls();
    void Connect();
    void CommitBar();
    void CommitTempo();
    void ToggleMetronome();
    void ShowPosition();
    void ShowButtons();

    PlayCommands& m_commands;
    SoundEngineTransport m_engine;
    TransportPanelForm m_form;
    ImageButton* m_rewind;
    ImageButton* m_play;
    ImageButton* m_stop;
    QLineEdit* m_bar;
    UpDownControl* m_barUpDown;
    QLineEdit* m_beat;
    ImageButton* m_metronome;
    QLabel* m_beatUnit;
    QLineEdit* m_tempo;
    UpDownControl* m_tempoUpDown;
    // What the play and metronome buttons show (-1: nothing yet), so that a
    // refresh on every beat loads no picture.
    int m_shownPlayPicture = -1;
    int m_shownMetronome = -1;
    std::atomic<bool> m_posted{false};
};
