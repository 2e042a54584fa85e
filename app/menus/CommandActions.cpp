#include "app/menus/CommandActions.h"

#include <QAction>
#include <QMenu>

#include "app/CQuillsong3Doc.h"
#include "app/menus/DialogCommands.h"
#include "app/menus/HelpPages.h"
#include "editor/UndoManager.h"
#include "editor/commands/CommandContext.h"
#include "editor/commands/EditorCommands.h"
#include "editor/commands/ViewCommands.h"
#include "editor/qt/CQuillsong3View.h"
#include "playback/SoundEngine.h"

CommandActions::CommandActions(CQuillsong3Doc& document, CQuillsong3View& view, Prompt& prompt,
                               QObject* parent)
    : QObject(parent), m_document(document), m_view(view), m_prompt(prompt) {
    m_document.Attach(this, 0);
    UndoManager::Instance().Attach(this, 0);
    SoundEngine& engine = SoundEngine::Instance();
    engine.Attach(this, SoundEngine::StartAspect);
    engine.Attach(this, SoundEngine::EndAspect);
    m_view.SetCommandHandler([this](CommandId command) { Run(command); });
}

CommandActions::~CommandActions() {
    m_view.SetCommandHandler(nullptr);
    SoundEngine& engine = SoundEngine::Instance();
    engine.Detach(this, SoundEngine::StartAspect);
    engine.Detach(this, SoundEngine::EndAspect);
    UndoManager::Instance().Detach(this, 0);
    m_document.Detach(this, 0);
}

QAction* CommandActions::Add(QMenu& menu, CommandId command, const QString& caption,
                             const QList<QKeySequence>& shortcuts) {
    QAction* action = menu.addAction(caption);
    if (!shortcuts.isEmpty()) {
        action->setShortcuts(shortcuts);
        // The caption already shows the key as the program always has.
        action->setShortcutVisibleInContextMenu(false);
    }
    action->setCheckable(command == CommandId::ZoomCustom || ViewCommands::PresetOf(command) != 0 ||
                         ViewCommands::BarsPerLineOf(command) != 0);
    connect(action, &QAction::triggered, this, [this, command] { Run(command); });
    connect(&menu, &QMenu::aboutToShow, this, &CommandActions::Refresh, Qt::UniqueConnection);
    m_actions[command] = action;
    Refresh();
    return action;
}

QAction* CommandActions::Action(CommandId command) const {
    const auto found = m_actions.find(command);
    return found != m_actions.end() ? found->second : nullptr;
}

bool CommandActions::IsPlaying() const {
    return SoundEngine::Instance().IsActive();
}

void CommandActions::Run(CommandId command) {
    if (!EditorCommands::IsEnabled(command, m_document.GetSong(), IsPlaying())) {
        return;
    }
    // A command works on the song as the user sees it: a text being typed is
    // part of it. Copy and Paste work on that text, so it stays open for them.
    if (command != CommandId::Copy && command != CommandId::Paste) {
        m_view.CloseEditors(true);
    }
    if (!RunWindowCommand(command)) {
        CommandContext context{m_document, m_view, m_prompt, UndoManager::Instance()};
        EditorCommands::Execute(context, command);
    }
    Refresh();
    emit CommandDone(command);
}

bool CommandActions::RunWindowCommand(CommandId command) {
    if (HelpPages::Handles(command)) {
        HelpPages::Open(command, m_prompt);
        return true;
    }
    if (command == CommandId::ZoomCustom) {
        // Custom zoom values come from the navigation panel's zoom box.
        return true;
    }
    return DialogCommands::Run(command, *this);
}

void CommandActions::Refresh() {
    const bool playing = IsPlaying();
    const Song* song = m_document.GetSong();
    for (const auto& [command, action] : m_actions) {
        action->setEnabled(EditorCommands::IsEnabled(command, song, playing));
        if (action->isCheckable()) {
            action->setChecked(EditorCommands::IsChecked(command));
        }
    }
}

void CommandActions::Update(Subject* /*subject*/, int /*aspect*/) {
    // Playback notifies from its own thread: refresh on ours, once.
    if (m_refreshPosted.exchange(true)) {
        return;
    }
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_refreshPosted.store(false);
            Refresh();
        },
        Qt::QueuedConnection);
}
