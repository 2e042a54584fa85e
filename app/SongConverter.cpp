#include "app/SongConverter.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <ostream>

#include <QGuiApplication>
#include <cstdio>

#include "editor/qt/NotationFonts.h"
#include "editor/qt/ScoreExporter.h"
#include "files/MidiExporter.h"
#include "files/MusicXmlWriter.h"
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
    // The renderer plays with the engine's channel table and style, as playback does.
    song.ApplyTrackSoundSettings();
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

// A conversion's output is its messages; Qt's notes about the desktop session
// it runs without (no runtime folder, no display) are not among them.
void QuietDesktopNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QStringLiteral("QStandardPaths:"))) {
        return;
    }
    if (type == QtDebugMsg || type == QtInfoMsg) {
        return;
    }
    std::fprintf(stderr, "%s\n",
                 qFormatLogMessage(type, context, message).toLocal8Bit().constData());
}

enum class Drawing { ScreenPng, PrintedPdf, Thumbnail };

bool Draw(Drawing drawing, Song& song, const CommandLine& line, std::string& error) {
    switch (drawing) {
        case Drawing::PrintedPdf:
            return ScoreExporter::ExportPdf(song, line.output, error);
        case Drawing::Thumbnail:
            return ScoreExporter::ExportThumbnail(song, line.output, line.thumbnailSize, error);
        case Drawing::ScreenPng:
            break;
    }
    return ScoreExporter::ExportPng(song, line.output, line.zoom, error);
}

// Draws the score into a PNG (as the screen shows it), a PDF (as printed) or
// a thumbnail (the first page as printed). Converting needs no window, so Qt
// runs without a display unless told otherwise.
int RenderScore(Song& song, const CommandLine& line, Drawing drawing, std::ostream& errors) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qInstallMessageHandler(QuietDesktopNotes);
    int argc = 1;
    char name[] = "quillsong";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);
    std::string error;
    if (!NotationFonts::Load(error)) {
        errors << "quillsong: " << error << "\n";
        return 1;
    }
    song.Relayout();
    if (!Draw(drawing, song, line, error)) {
        errors << "quillsong: " << error << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

int SongConverter::Thumbnail(const CommandLine& line, std::ostream& errors) {
    try {
        // A file manager cannot answer questions; a song of a newer layout
        // is drawn as far as this version understands it.
        FixedPrompt prompt(Prompt::Yes);
        auto song = SongFiles::Load(line.input, &prompt);
        return RenderScore(*song, line, Drawing::Thumbnail, errors);
    } catch (const Exception& e) {
        errors << e.what() << "\n";
        return 1;
    }
}

int SongConverter::Run(const CommandLine& line, std::ostream& errors) {
    const std::string extension = LowerExtension(line.output);
    const bool midi = extension == ".mid" || extension == ".midi";
    const bool wav = extension == ".wav";
    const bool pdf = extension == ".pdf";
    const bool png = extension == ".png";
    const bool musicXml = MusicXmlWriter::IsMusicXmlPath(line.output);
    if (extension != ".qs" && !midi && !wav && !pdf && !png && !musicXml) {
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
        if (pdf || png) {
            return RenderScore(*song, line, pdf ? Drawing::PrintedPdf : Drawing::ScreenPng, errors);
        }
        if (midi) {
            MidiExporter::WriteFile(*song, line.output);
        } else if (musicXml) {
            MusicXmlWriter::WriteFile(*song, line.output);
        } else {
            SongFiles::Save(*song, line.output);
        }
    } catch (const Exception& e) {
        errors << e.what() << "\n";
        return 1;
    }
    return 0;
}
