#include "editor/commands/EditorCommands.h"

#include <array>
#include <utility>

#include "editor/BarBlockCommands.h"
#include "editor/ScorePainter.h"
#include "editor/ToolsManager.h"
#include "editor/commands/ClipboardCommands.h"
#include "editor/commands/CommandContext.h"
#include "editor/commands/NoteCommands.h"
#include "editor/commands/TextCommands.h"
#include "editor/commands/TrackCommands.h"
#include "editor/commands/ViewCommands.h"
#include "editor/tools/PencilTool.h"
#include "model/ScoreWindow.h"
#include "model/Song.h"
#include "model/Track.h"

namespace {

constexpr std::array<std::pair<CommandId, int>, 13> kDynamicCodes = {{
    {CommandId::DynamicPPP, 0},
    {CommandId::DynamicPP, 1},
    {CommandId::DynamicP, 2},
    {CommandId::DynamicMP, 3},
    {CommandId::DynamicMF, 4},
    {CommandId::DynamicF, 5},
    {CommandId::DynamicFF, 6},
    {CommandId::DynamicFFF, 7},
    {CommandId::DynamicSF, 8},
    {CommandId::DynamicAccent, 9},
    {CommandId::DynamicCrescendo, 10},
    {CommandId::DynamicDiminuendo, 11},
    {CommandId::DynamicClear, NoteCommands::kClearMarks},
}};

constexpr std::array<std::pair<CommandId, int>, 6> kAccidentalCodes = {{
    {CommandId::AccidentalSharp, NoteCommands::Sharp},
    {CommandId::AccidentalFlat, NoteCommands::Flat},
    {CommandId::AccidentalNatural, NoteCommands::Natural},
    {CommandId::AccidentalNormal, NoteCommands::Normal},
    {CommandId::AccidentalDoubleSharp, NoteCommands::DoubleSharp},
    {CommandId::AccidentalDoubleFlat, NoteCommands::DoubleFlat},
}};

template <size_t N>
int CodeIn(const std::array<std::pair<CommandId, int>, N>& table, CommandId command) {
    for (const auto& [id, code] : table) {
        if (id == command) {
            return code;
        }
    }
    return -1;
}

// The bar pop-up's block commands, which lay the score out again.
bool RunBlockCommand(CommandContext& context, Song& song, CommandId command) {
    bool done = false;
    switch (command) {
        case CommandId::InsertBarsBefore:
            done = BarBlockCommands::InsertBefore(song, context.prompt, context.history);
            break;
        case CommandId::InsertBarsAfter:
            done = BarBlockCommands::InsertAfter(song, context.prompt, context.history);
            break;
        case CommandId::DeleteBlock:
            done = BarBlockCommands::Delete(song, context.prompt, context.history);
            break;
        case CommandId::ClearBlock:
            done = BarBlockCommands::Clear(song, context.prompt, context.history);
            break;
        default:
            return false;
    }
    if (done) {
        context.window.UpdateScrollSizes();
        context.window.RedrawAll();
    }
    return done;
}

bool NeedsTracks(CommandId command, const Song& song) {
    switch (command) {
        case CommandId::DeleteTrack:
        case CommandId::CopyBars:
            return song.GetNumTracks() >= 1;
        case CommandId::ShiftNotes:
            return song.CountNonAccompanimentTracks() >= 1;
        case CommandId::InsertAccompanimentTrack:
            return !song.HasAccompaniment();
        case CommandId::OrganizeTracks:
            return song.GetNumTracks() >= 2;
        default:
            return true;
    }
}

// Commands that work without a song: the view's and the help's.
bool NeedsNoSong(CommandId command) {
    return ViewCommands::PresetOf(command) != 0 || command == CommandId::ZoomIn ||
           command == CommandId::ZoomOut || command == CommandId::ZoomCustom ||
           command == CommandId::HelpContents || command == CommandId::OnlineSupport ||
           command == CommandId::ReportBugs || command == CommandId::PublishToWeb ||
           command == CommandId::MidiSetup || command == CommandId::PreviousPage ||
           command == CommandId::NextPage;
}

}  // namespace

int EditorCommands::DynamicCodeOf(CommandId command) {
    return CodeIn(kDynamicCodes, command);
}

int EditorCommands::AccidentalCodeOf(CommandId command) {
    return CodeIn(kAccidentalCodes, command);
}

bool EditorCommands::Execute(CommandContext& context, CommandId command) {
    ScoreWindow& window = context.window;
    if (const int zoom = ViewCommands::PresetOf(command); zoom != 0) {
        ViewCommands::SetZoom(window, zoom);
        return true;
    }
    const int zoom = ToolsManager::Instance().Zoom();
    if (command == CommandId::ZoomIn || command == CommandId::ZoomOut) {
        if (!IsEnabled(command, window.GetSong(), false)) {
            return false;
        }
        ViewCommands::SetZoom(window, command == CommandId::ZoomIn ? ViewCommands::ZoomedIn(zoom)
                                                                   : ViewCommands::ZoomedOut(zoom));
        return true;
    }
    Song* song = window.GetSong();
    if (song == nullptr) {
        return false;
    }
    if (const int bars = ViewCommands::BarsPerLineOf(command); bars != 0) {
        ViewCommands::SetBarsPerLine(window, bars);
        return true;
    }
    if (const int code = DynamicCodeOf(command); code >= 0) {
        return NoteCommands::SetDynamic(context, code);
    }
    if (const int code = AccidentalCodeOf(command); code >= 0) {
        return NoteCommands::SetAccidental(context, code);
    }
    switch (command) {
        case CommandId::InsertTrebleTrack:
        case CommandId::InsertBassTrack:
        case CommandId::InsertPercussionTrack:
        case CommandId::InsertAccompanimentTrack:
            return TrackCommands::Insert(context, command);
        case CommandId::EraseNote:
            return NoteCommands::Erase(context);
        case CommandId::AddTie:
            return NoteCommands::AddTie(context);
        case CommandId::EraseTie:
            return NoteCommands::EraseTie(context);
        case CommandId::Copy:
            return ClipboardCommands::Copy(context);
        case CommandId::Paste:
            return ClipboardCommands::Paste(context);
        case CommandId::DeleteUserText:
            return TextCommands::Delete(context);
        case CommandId::DeleteKey:
            return ClipboardCommands::DeleteKey(context);
        case CommandId::PreviousPage:
        case CommandId::NextPage:
            return ViewCommands::TurnPage(window, ScorePainter::PageCount(),
                                          command == CommandId::NextPage ? 1 : -1);
        case CommandId::InsertText:
            return TextCommands::Insert(context, PencilTool::Instance().MenuPoint());
        default:
            return RunBlockCommand(context, *song, command);
    }
}

bool EditorCommands::IsEnabled(CommandId command, const Song* song, bool playing) {
    if (playing) {
        return false;
    }
    const int zoom = ToolsManager::Instance().Zoom();
    if (command == CommandId::ZoomIn) {
        return zoom < ViewCommands::kMaxZoom;
    }
    if (command == CommandId::ZoomOut) {
        return zoom > ViewCommands::kMinZoom;
    }
    if (NeedsNoSong(command)) {
        return true;
    }
    return song != nullptr && NeedsTracks(command, *song);
}

bool EditorCommands::IsChecked(CommandId command) {
    const int zoom = ToolsManager::Instance().Zoom();
    if (const int preset = ViewCommands::PresetOf(command); preset != 0) {
        return preset == zoom;
    }
    if (command == CommandId::ZoomCustom) {
        for (const int preset : {200, 150, 125, 100, 75, 50}) {
            if (preset == zoom) {
                return false;
            }
        }
        return true;
    }
    if (const int bars = ViewCommands::BarsPerLineOf(command); bars != 0) {
        return bars == Track::GetBarsPerLine();
    }
    return false;
}
