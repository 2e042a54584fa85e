#include "editor/qt/ScoreToolBar.h"

#include <QAction>

#include "editor/InputCommands.h"
#include "editor/ToolsManager.h"
#include "editor/qt/ToolBarIcons.h"

namespace {

constexpr int kIconSize = 24;

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

ScoreToolBar::ScoreToolBar(QWidget* parent) : QToolBar(QStringLiteral("Tools"), parent) {
    setObjectName(QStringLiteral("ScoreToolBar"));
    setIconSize(QSize(kIconSize, kIconSize));
    setMovable(false);
    for (int command = 0; command < InputCommands::kCount; ++command) {
        const auto id = static_cast<InputCommands::Command>(command);
        if (command > 0 && InputCommands::StartsGroup(id)) {
            addSeparator();
        }
        const QString name = FromView(InputCommands::Name(id));
        const QString prompt = FromView(InputCommands::Prompt(id)).section(QLatin1Char('\n'), 0, 0);
        QAction* action = addAction(ToolBarIcons::For(command), name);
        action->setCheckable(true);
        action->setToolTip(name);
        action->setStatusTip(prompt.isEmpty() ? name : prompt);
        connect(action, &QAction::triggered, this, [this, id] {
            InputCommands::Execute(id);
            // A button checked by the click stays so even when its command
            // did nothing (a dot on a whole note); the state decides.
            Refresh();
        });
        m_actions.push_back(action);
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
