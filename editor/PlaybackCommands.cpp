#include "editor/PlaybackCommands.h"

#include "editor/ToolsManager.h"
#include "editor/TransportEngine.h"
#include "model/Song.h"

bool PlaybackCommands::CanPlay(const Song* song) {
    return song != nullptr && song->GetNumTracks() > 0;
}

bool PlaybackCommands::CanStop(const TransportEngine& engine) {
    return engine.IsActive();
}

PlaybackCommands::PlayStep PlaybackCommands::PlayOrPause(TransportEngine& engine,
                                                         const Song* song) {
    if (engine.IsActive()) {
        engine.Pause();
        return PlayStep::Paused;
    }
    if (!CanPlay(song)) {
        return PlayStep::None;
    }
    ToolsManager::Instance().ClearSelection(true);
    return PlayStep::Prepare;
}

bool PlaybackCommands::Stop(TransportEngine& engine) {
    if (!CanStop(engine)) {
        return false;
    }
    engine.Stop();
    return true;
}
