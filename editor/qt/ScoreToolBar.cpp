#include "editor/qt/ScoreToolBar.h"

#include <QAction>
#include <QEvent>

#include "editor/InputCommands.h"
#include "editor/ToolsManager.h"
#include "editor/qt/ToolBarIcons.h"

namespace {

constexpr int kIconSize = 24;

}  // namespace

ScoreToolBar::ScoreToolBar(QWidget* parent) : QToolBar(parent) {
    setObjectName(QStringLiteral("ScoreToolBar"));
    setIconSize(QSize(kIconSize, kIconSize));
    setMovable(false);
    for (int command = 0; command < InputCommands::kCount; ++command) {
        const auto id = static_cast<InputCommands::Command>(command);
        if (command > 0 && InputCommands::StartsGroup(id)) {
            addSeparator();
        }
        QAction* action = addAction(ToolBarIcons::For(command), QString());
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, id] {
            InputCommands::Execute(id);
            // A button checked by the click stays so even when its command
            // did nothing (a dot on a whole note); the state decides.
            Refresh();
        });
        m_actions.push_back(action);
    }
    Retranslate();
    ToolsManager::Instance().Attach(this, 0);
    Refresh();
}

ScoreToolBar::~ScoreToolBar() {
    ToolsManager::Instance().Detach(this, 0);
}

void ScoreToolBar::Refresh() {
    for (int command = 0; command < static_cast<int>(m_actions.size()); ++command) {
        m_actions[static_cast<size_t>(command)]->setChecked(
            InputCommands::IsChecked(static_cast<InputCommands::Command>(command)));
    }
}

void ScoreToolBar::Retranslate() {
    setWindowTitle(tr("Tools"));
    for (int command = 0; command < static_cast<int>(m_actions.size()); ++command) {
        const auto id = static_cast<InputCommands::Command>(command);
        const QString name = QString::fromStdString(InputCommands::Name(id));
        const QString prompt =
            QString::fromStdString(InputCommands::Prompt(id)).section(QLatin1Char('\n'), 0, 0);
        QAction* action = m_actions[static_cast<size_t>(command)];
        action->setText(name);
        action->setToolTip(name);
        action->setStatusTip(prompt.isEmpty() ? name : prompt);
    }
}

void ScoreToolBar::changeEvent(QEvent* event) {
    // Sent when the application's translator changes.
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    QToolBar::changeEvent(event);
}

void ScoreToolBar::Update(Subject* /*subject*/, int /*aspect*/) {
    Refresh();
}
