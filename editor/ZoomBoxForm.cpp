#include "editor/ZoomBoxForm.h"

#include "editor/EditorMessages.h"
#include "editor/FormFields.h"
#include "editor/ToolsManager.h"
#include "editor/commands/ViewCommands.h"
#include "model/ScoreWindow.h"
#include "platform/Prompt.h"

namespace {

constexpr size_t kMaxDigits = 9;

}  // namespace

const std::vector<std::string>& ZoomBoxForm::Items() {
    static const std::vector<std::string> items{"50%", "75%", "100%", "125%", "150%", "200%"};
    return items;
}

std::string ZoomBoxForm::Text(int zoom) {
    return std::to_string(zoom) + "%";
}

bool ZoomBoxForm::ShouldShow(bool editing, int zoom, int lastShown) {
    return !editing || zoom != lastShown;
}

int ZoomBoxForm::Read(const std::string& text) {
    return static_cast<int>(FormFields::ReadNumber(text, kMaxDigits));
}

std::optional<int> ZoomBoxForm::Enter(const std::string& text, Prompt& prompt) {
    const int zoom = Read(text);
    if (zoom < ViewCommands::kMinZoom || zoom > ViewCommands::kMaxZoom) {
        prompt.Show(messages::kZoomRange, messages::kWarning, Prompt::WarningIcon);
        return std::nullopt;
    }
    return zoom;
}

void ZoomBoxForm::Apply(ScoreWindow& window, int zoom) {
    ToolsManager& tools = ToolsManager::Instance();
    tools.SetZoom(zoom);
    tools.ClearSelection(false);
    window.UpdateScrollSizes();
    window.RedrawAll();
}
