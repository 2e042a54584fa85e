#include "app/SongConverter.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <ostream>

#include "files/MidiExporter.h"
#include "files/SongFiles.h"
#include "model/Song.h"
#include "platform/Exception.h"
#include "platform/FixedPrompt.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"
#include "playback/OfflineRenderer.h"
#include "playback/SoundEngine.h"
#include "playback/midi/CMIDIOutException.h"

namespace {

std::string LowerExtension(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

// Renders the song's playback, as it would sound with the metronome as asked.
int RenderWav(Song& song, const CommandLine& line, std::ostream& errors) {
    SoundEngine& engine = SoundEngine::Instance();
    if (engine.IsMetronomeOn() != line.metronome) {
        engine.ToggleMetronome();
    }
    try {
        const OfflineRenderer::Outcome outcome = OfflineRenderer::RenderToWav(song, line.output);
        if (outcome.error == SoundEngine::NoAccompanimentStyle) {
            errors << StringTable::Get(ids::kNoAccompanimentStyle) << "\n";
            return 1;
        }
        if (outcome.error != SoundEngine::NoError) {
            errors << StringTable::Get(ids::kFailedReadingAccompaniment) << "\n";
            return 1;
        }
    } catch (const midi::CMIDIOutException& e) {
        errors << "quillsong: the built-in synthesizer cannot start: " << e.what() << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

int SongConverter::Run(const CommandLine& line, std::ostream& errors) {
    const std::string extension = LowerExtension(line.output);
    const bool midi = extension == ".mid" || extension == ".midi";
    const bool wav = extension == ".wav";
    if (extension != ".qs" && !midi && !wav) {
        errors << "quillsong: cannot write '" << line.output << "': unknown format '" << extension
               << "'\n";
        return 2;
    }
    try {
        FixedPrompt prompt(line.force ? Prompt::Yes : Prompt::No);
        auto song = SongFiles::Load(line.input, &prompt);
        if (wav) {
            return RenderWav(*song, line, errors);
        }
        if (midi) {
            MidiExporter::WriteFile(*song, line.output);
        } else {
            SongFiles::Save(*song, line.output);
        }
    } catch (const Exception& e) {
        errors << e.what() << "\n";
        return 1;
    }
    return 0;
}
