#include "files/PatternLibrary.h"

#include "files/LarkArchive.h"
#include "model/Song.h"
#include "platform/Exception.h"

std::string PatternLibrary::PatternFileName(int numerator, int denominator,
                                            const std::string& style) {
    return std::to_string(numerator) + std::to_string(denominator) + "_" + style + ".qsx";
}

std::unique_ptr<Song> PatternLibrary::LoadStylePattern(const std::string& fileName) {
    if (fileName.find(kNoStyle) != std::string::npos) {
        return nullptr;
    }
    try {
        LarkArchive archive;
        archive.Open(fileName, Archive::LoadPattern);
        auto pattern = std::make_unique<Song>();
        pattern->Serialize(archive);
        archive.Close();
        return pattern;
    } catch (const Exception&) {
        // An unreadable style is reported by the caller as a failed read.
        return nullptr;
    }
}

int PatternLibrary::ExpandStyle(const Song& song, const std::string& fileName,
                                std::vector<std::unique_ptr<Track>>& tracks) {
    if (!song.HasAccompaniment()) {
        return 0;
    }
    if (fileName.find(kNoStyle) != std::string::npos) {
        return -2;
    }
    const std::unique_ptr<Song> pattern = LoadStylePattern(fileName);
    if (!pattern) {
        return -1;
    }
    std::vector<const Track*> patternTracks;
    for (int i = 0; i < pattern->GetNumTracks(); ++i) {
        patternTracks.push_back(pattern->GetTrack(i));
    }
    tracks = song.GetTrack(0)->GenerateAccompaniment(patternTracks);
    return static_cast<int>(tracks.size());
}

int PatternLibrary::ApplyStyle(Song& song, const std::string& fileName) {
    return ExpandStyle(song, fileName, song.GeneratedAccompaniment());
}
