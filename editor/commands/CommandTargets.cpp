#include "editor/commands/CommandTargets.h"

#include "editor/ToolsManager.h"
#include "editor/tools/ToolTarget.h"
#include "model/Note.h"
#include "model/UserText.h"

std::vector<SelObject*> CommandTargets::Current() {
    const ToolsManager& tools = ToolsManager::Instance();
    if (!tools.Selection().empty()) {
        return tools.Selection();
    }
    if (tools.Hover() != nullptr) {
        return {tools.Hover()};
    }
    return {};
}

std::vector<CommandTargets::NoteTarget> CommandTargets::Notes() {
    std::vector<NoteTarget> notes;
    for (SelObject* object : Current()) {
        const ToolTarget target(object);
        Note* note = target.AsNote();
        NoteBar* bar = target.HoldingBar();
        if (note == nullptr || bar == nullptr) {
            if (notes.empty()) {
                return {};
            }
            continue;
        }
        notes.push_back({note, bar});
    }
    return notes;
}

std::vector<UserText*> CommandTargets::UserTexts() {
    std::vector<UserText*> texts;
    for (SelObject* object : Current()) {
        if (!ToolTarget(object).IsUserText()) {
            if (texts.empty()) {
                return {};
            }
            continue;
        }
        texts.push_back(static_cast<UserText*>(object));
    }
    return texts;
}

bool CommandTargets::FirstIsBar() {
    const std::vector<SelObject*> targets = Current();
    if (targets.empty()) {
        return false;
    }
    const SelObject* first = targets.front();
    return ToolTarget(targets.front()).Is(ToolTarget::Kind::Bar) || first->IsA("ChordBar");
}
