#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <atomic>
#include <map>

#include "editor/commands/CommandId.h"
#include "model/Observer.h"

class CQuillsong3Doc;
class CQuillsong3View;
class Prompt;
class QAction;
class QKeySequence;
class QMenu;

// The menus' actions for the editor's commands: creates each one, runs its
// command on the document's song through the view, and keeps every action's
// enabled and checked state current (as the history, the document, the
// zoom and playback change). The menu controllers add their items here.
class CommandActions : public QObject, public Observer {
    Q_OBJECT

public:
    CommandActions(CQuillsong3Doc& document, CQuillsong3View& view, Prompt& prompt,
                   QObject* parent);
    ~CommandActions() override;

    // An item for the command on the menu; the first shortcut is the one
    // the menu shows.
    QAction* Add(QMenu& menu, CommandId command, const QString& caption,
                 const QList<QKeySequence>& shortcuts = {});
    QAction* Action(CommandId command) const;
    // The menus holding the actions are about to go (the menus are rebuilt
    // in another language).
    void ForgetActions() { m_actions.clear(); }

    // Runs the command when it is enabled, then refreshes every action.
    void Run(CommandId command);
    void Refresh();

    CQuillsong3Doc& Document() const { return m_document; }
    CQuillsong3View& View() const { return m_view; }
    Prompt& MessagePrompt() const { return m_prompt; }

    // The document, the history or playback changed.
    void Update(Subject* subject, int aspect) override;

signals:
    // After a command ran.
    void CommandDone(CommandId command);

private:
    bool IsPlaying() const;
    // The commands that open a dialog or a page rather than change the song
    // directly; true when the command was one of them.
    bool RunWindowCommand(CommandId command);

    CQuillsong3Doc& m_document;
    CQuillsong3View& m_view;
    Prompt& m_prompt;
    std::map<CommandId, QAction*> m_actions;
    std::atomic<bool> m_refreshPosted{false};
};
