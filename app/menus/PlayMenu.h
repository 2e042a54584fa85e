#pragma once

#include <QObject>

class PlayCommands;
class QAction;
class QMenuBar;

// The Play menu: Play/Pause (the space bar on the score) and Stop, the same
// actions the transport panel's buttons run.
class PlayMenu : public QObject {
    Q_OBJECT

public:
    // The commands outlive the menu bar.
    PlayMenu(QMenuBar& bar, PlayCommands& commands);

    QAction* PlayAction() const;
    QAction* StopAction() const;

private:
    PlayCommands& m_commands;
};
