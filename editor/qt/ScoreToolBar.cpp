#include "editor/qt/ScoreToolBar.h"

#include <QAction>

#include "editor/InputCommands.h"
#include "editor/ToolsManager.h"
#include "editor/qt/ToolBarIcons.h"

namespace {

constexpr int kIconSize = 24;

// Where groups end: after the tools, the notes, the accidentals, the rests
// and dot and triplet.
bool EndsGroup(int command) {
    return command == InputCommands::Select || command == InputCommands::SixteenthNote ||
           command == InputCommands::Natural || command == InputCommands::SixteenthRest ||
           command == InputCommands::Triplet;
}

}  // namespace

ScoreToolBar::ScoreToolBar(QWidget* parent) : QToolBar(QStringLiteral("Tools"), parent) {
    setObjectName(QStringLiteral("ScoreToolBar"));
    setIconSize(QSize(kIconSize, kIconSize));
    setMovable(false);
    for (int command = 0; command < InputCommands::kCount; ++command) {
        const auto id = static_cast<InputCommands::Command>(command);
        const std::string_view prompt = InputCommands::Prompt(id);
        // The text after the line break is the button's short name.
        const QString full = QString::fromUtf8(prompt.data(), static_cast<qsizetype>(prompt.size()));
        const QString name = full.section(QLatin1Char('\n'), -1);
        QAction* action = addAction(ToolBarIcons::For(command), name);
        action->setCheckable(true);
        action->setToolTip(name);
        action->setStatusTip(full.section(QLatin1Char('\n'), 0, 0));
        connect(action, &QAction::triggered, this, [this, id] {
            InputCommands::Execute(id);
            ToolsManager::Instance().Notify(0);
            Refresh();
        });
        m_actions.push_back(action);
        if (EndsGroup(command)) {
            addSeparator();
        }
    }
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

void ScoreToolBar::Update(Subject* /*subject*/, int /*aspect*/) {
    Refresh();
}
