#include "editor/commands/NoteCommands.h"

#include <algorithm>
#include <vector>

#include "editor/EditorMessages.h"
#include "editor/ToolsManager.h"
#include "editor/UndoManager.h"
#include "editor/commands/CommandContext.h"
#include "editor/commands/CommandTargets.h"
#include "editor/commands/SongDocument.h"
#include "model/Note.h"
#include "model/NoteBar.h"
#include "model/NoteChord.h"
#include "model/ScoreWindow.h"
#include "model/Song.h"
#include "model/Track.h"
#include "platform/Prompt.h"
#include "platform/Translation.h"

namespace {

// A note named by where it stands, so it can be found again after an
// earlier edit of the same bar has rebuilt the bar's chords.
struct NotePlace {
    NoteBar* bar;
    int step;
    char letter;
    int octave;
    bool rest;
};

Note* Find(const NotePlace& place) {
    NoteChord* chord = place.bar->GetChordAt(place.step);
    if (chord == nullptr) {
        return nullptr;
    }
    for (int i = 0; i < chord->GetNoteCount(); ++i) {
        Note* note = chord->GetNote(i);
        if (note->IsRest() == place.rest && (place.rest || (note->GetLetter() == place.letter &&
                                                            note->GetOctave() == place.octave))) {
            return note;
        }
    }
    return nullptr;
}

std::vector<NotePlace> PlacesOf(const std::vector<CommandTargets::NoteTarget>& targets) {
    std::vector<NotePlace> places;
    places.reserve(targets.size());
    for (const auto& [note, bar] : targets) {
        places.push_back(
            {bar, note->GetStep(), note->GetLetter(), note->GetOctave(), note->IsRest()});
    }
    return places;
}

void Refresh(NoteBar& bar) {
    bar.PlaceNotes(bar.GetBox());
    bar.Repaint();
}

void Record(CommandContext& context, const char* name) {
    if (Song* song = context.window.GetSong()) {
        context.history.Record(*song, name, name);
    }
}

bool TiesOnwards(const Note& note) {
    return note.IsTieStart() || note.IsTieMiddle();
}

// Whether the command runs (the first target is a note or rest); then the
// selection is cleared and the places are the targets', without the rests
// unless the caller keeps them.
bool TakeTargets(bool keepRests, std::vector<NotePlace>& places) {
    places = PlacesOf(CommandTargets::Notes());
    if (places.empty()) {
        return false;
    }
    ToolsManager::Instance().ClearSelection(true);
    if (!keepRests) {
        std::erase_if(places, [](const NotePlace& place) { return place.rest; });
    }
    return true;
}

}  // namespace

bool NoteCommands::Erase(CommandContext& context) {
    std::vector<NotePlace> places;
    if (!TakeTargets(true, places)) {
        return false;
    }
    // One rest may be erased (it merges with the rests after it); among
    // several targets rests are left alone.
    if (places.size() > 1) {
        std::erase_if(places, [](const NotePlace& place) { return place.rest; });
    }
    bool erased = false;
    for (const NotePlace& place : places) {
        Note* note = Find(place);
        if (note == nullptr) {
            continue;
        }
        if (TiesOnwards(*note) && place.bar->GetTrack() != nullptr) {
            place.bar->GetTrack()->RemoveTie(note);
            note = Find(place);
        }
        if (note != nullptr && place.bar->EraseNote(note)) {
            erased = true;
        }
        Refresh(*place.bar);
    }
    if (erased) {
        Record(context, "Erase note");
    }
    return erased;
}

bool NoteCommands::AddTie(CommandContext& context) {
    std::vector<NotePlace> places;
    if (!TakeTargets(false, places)) {
        return false;
    }
    bool tied = false;
    for (const NotePlace& place : places) {
        Note* note = Find(place);
        Track* track = place.bar->GetTrack();
        if (note != nullptr && track != nullptr && track->AddTie(note)) {
            tied = true;
        }
    }
    if (!tied) {
        context.prompt.Show(Translation::Text("NoteCommands", "Cannot add tie"), messages::kError,
                            Prompt::ErrorIcon);
        return false;
    }
    Record(context, "Add Tie");
    return true;
}

bool NoteCommands::EraseTie(CommandContext& context) {
    std::vector<NotePlace> places;
    if (!TakeTargets(false, places)) {
        return false;
    }
    bool erased = false;
    for (const NotePlace& place : places) {
        Note* note = Find(place);
        Track* track = place.bar->GetTrack();
        if (note != nullptr && track != nullptr && TiesOnwards(*note) && track->RemoveTie(note)) {
            erased = true;
        }
    }
    if (!erased) {
        context.prompt.Show(
            Translation::Text("NoteCommands",
                              "Cannot erase tie. Make sure\n1. It is a tied note\n2. "
                              "It is not the last note of the tied notes."),
            messages::kError, Prompt::ErrorIcon);
        return false;
    }
    Record(context, "Erase Tie");
    return true;
}

bool NoteCommands::SetAccidental(CommandContext& context, int accidental) {
    std::vector<NotePlace> places;
    if (!TakeTargets(false, places)) {
        return false;
    }
    bool changed = false;
    for (const NotePlace& place : places) {
        Note* note = Find(place);
        Track* track = place.bar->GetTrack();
        if (note != nullptr && track != nullptr && track->ApplyAccidental(note, accidental)) {
            changed = true;
            Refresh(*place.bar);
        }
    }
    if (!changed) {
        context.prompt.Show(Translation::Text("NoteCommands", "No accidental changes"),
                            messages::kInformation, Prompt::InformationIcon);
        return false;
    }
    Record(context, "Note SharpFlat");
    return true;
}

bool NoteCommands::SetDynamic(CommandContext& context, int code) {
    std::vector<NotePlace> places;
    if (!TakeTargets(true, places)) {
        return false;
    }
    bool refused = false;
    for (const NotePlace& place : places) {
        if (code == kClearMarks) {
            if (!place.rest) {
                place.bar->RemoveMarks(place.step);
                place.bar->Repaint();
            }
        } else if (!place.bar->AddMark(place.step, code)) {
            refused = true;
        }
    }
    if (refused) {
        // Marks already set on other targets go too: the command is all or nothing.
        context.document.RevertToRecorded();
        context.prompt.Show(
            Translation::Text("NoteCommands", "Cannot add dynamic markings to rests"),
            messages::kError, Prompt::ErrorIcon);
        return false;
    }
    Record(context, "Dynamics");
    return true;
}
