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

namespace {

std::string LowerExtension(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

}  // namespace

int SongConverter::Run(const CommandLine& line, std::ostream& errors) {
    const std::string extension = LowerExtension(line.output);
    const bool midi = extension == ".mid" || extension == ".midi";
    if (extension != ".qs" && !midi) {
        errors << "quillsong: cannot write '" << line.output << "': unknown format '" << extension
               << "'\n";
        return 2;
    }
    try {
        FixedPrompt prompt(line.force ? Prompt::Yes : Prompt::No);
        auto song = SongFiles::Load(line.input, &prompt);
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
