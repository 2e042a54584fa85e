#include "editor/CoreServices.h"

#include "editor/ToolsManager.h"
#include "model/EditingState.h"
#include "model/SoundSettings.h"
#include "playback/SoundEngine.h"

void CoreServices::Install() {
    EditingState::SetInstance(&ToolsManager::Instance());
    SoundSettings::SetInstance(&SoundEngine::Instance());
}
