#include "editor/commands/ViewCommands.h"

#include <algorithm>
#include "editor/ToolsManager.h"

#include "model/PageGeometry.h"
#include "model/ScoreWindow.h"
#include "model/Song.h"

int ViewCommands::PresetOf(CommandId command) {
    switch (command) {
        case CommandId::Zoom200:
            return 200;
        case CommandId::Zoom150:
            return 150;
        case CommandId::Zoom125:
            return 125;
        case CommandId::Zoom100:
            return 100;
        case CommandId::Zoom75:
            return 75;
        case CommandId::Zoom50:
            return 50;
        default:
            return 0;
    }
}

int ViewCommands::ZoomedIn(int zoom) {
    if (zoom < 51) {
        return 75;
    }
    if (zoom < 76) {
        return 100;
    }
    if (zoom < 101) {
        return 125;
    }
    if (zoom < 126) {
        return 150;
    }
    return 200;
}

int ViewCommands::ZoomedOut(int zoom) {
    // The preset below the zoom, so that 110 % goes to 100 %, not past it.
    for (const int preset : {150, 125, 100, 75}) {
        if (zoom > preset) {
            return preset;
        }
    }
    return kMinZoom;
}

void ViewCommands::SetZoom(ScoreWindow& window, int zoom) {
    ToolsManager& tools = ToolsManager::Instance();
    tools.ClearSelection(true);
    tools.SetZoom(zoom);
    window.UpdateScrollSizes();
    window.RedrawAll();
}

int ViewCommands::BarsPerLineOf(CommandId command) {
    const int offset = static_cast<int>(command) - static_cast<int>(CommandId::BarsPerLine1);
    return offset >= 0 && offset < 4 ? offset + 1 : 0;
}

void ViewCommands::SetBarsPerLine(ScoreWindow& window, int bars) {
    Song* song = window.GetSong();
    if (song == nullptr || bars < 1 || bars > 4) {
        return;
    }
    ToolsManager::Instance().ClearSelection(false);
    song->SetBarsPerLine(bars);
    window.UpdateScrollSizes();
    window.RedrawAll();
}

bool ViewCommands::TurnPage(ScoreWindow& window, int pageCount, int delta) {
    const int pitch = window.ToDevice(Size{PageGeometry::kPagePitch, 0}).width;
    if (pitch <= 0 || pageCount < 1) {
        return false;
    }
    const Point scroll = window.ScrollPosition();
    const int inView = (scroll.x + pitch / 2) / pitch;
    const int target = std::clamp(inView + delta, 0, pageCount - 1);
    if (target == inView) {
        return false;
    }
    window.ScrollTo({target * pitch, scroll.y});
    return true;
}
