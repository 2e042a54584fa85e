#pragma once

#include <QToolBar>
#include <vector>

#include "model/Observer.h"

class QAction;

// The tool bar of the score: the three tools, the note values, the
// accidentals, the rest values, dot and triplet, and tie, in that order,
// each a checkable button whose check follows the tool manager. Names,
// tooltips and prompts follow the user's language, also after a switch.
class ScoreToolBar : public QToolBar, public Observer {
    Q_OBJECT

public:
    explicit ScoreToolBar(QWidget* parent = nullptr);
    ~ScoreToolBar() override;

    // The button of a command, in tool bar order (0 pencil ... 18 tie).
    QAction* Action(int command) const { return m_actions.at(static_cast<size_t>(command)); }
    int ActionCount() const { return static_cast<int>(m_actions.size()); }
    // Checks each button as the tool manager's state says.
    void Refresh();

    void Update(Subject* subject, int aspect) override;

protected:
    void changeEvent(QEvent* event) override;

private:
    // Gives the buttons their names, tooltips and prompts in the current language.
    void Retranslate();

    std::vector<QAction*> m_actions;
};
