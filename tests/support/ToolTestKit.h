#pragma once

#include <memory>
#include <string>
#include <vector>

#include "editor/ChangeRecorder.h"
#include "editor/UndoManager.h"
#include "editor/tools/Tool.h"
#include "model/ChordBar.h"
#include "support/FakeScoreWindow.h"
#include "support/NoteBarTestKit.h"

// A song as the editor window holds it, for the editing tools' tests: the
// chord track in slot 0, then a treble, a bass and a percussion track of four
// 4/4 bars, shown in a fake window, its edits recorded in the process's undo
// history by a change recorder as the window's would be.
namespace tool_test {

class ToolTest : public EngineReset {
protected:
    void SetUp() override {
        EngineReset::SetUp();
        UndoManager::Instance().Clear();
        song = notebar_test::MakeSong(4, 4);
        song->AddAccompanimentTrack();
        window = std::make_unique<FakeScoreWindow>(song.get());
        recorder.Watch(*song);
        UndoManager::Instance().Record(*song, UndoManager::kInitTag, UndoManager::kInitTag);
    }
    void TearDown() override {
        UndoManager::Instance().Clear();
        window.reset();
        song.reset();
        EngineReset::TearDown();
    }

    MelodicBar& TrebleBar(int index) { return static_cast<MelodicBar&>(*song->GetBar(1, index)); }
    MelodicBar& BassBar(int index) { return static_cast<MelodicBar&>(*song->GetBar(2, index)); }
    PercussionBar& DrumBar(int index) {
        return static_cast<PercussionBar&>(*song->GetBar(3, index));
    }
    ChordBar& ChordsBar(int index) { return static_cast<ChordBar&>(*song->GetBar(0, index)); }

    // The names recorded since the song's base entry, oldest first.
    static std::vector<std::string> Records() {
        const UndoManager& history = UndoManager::Instance();
        std::vector<std::string> names;
        for (int i = 1; i <= history.CurrentIndex(); ++i) {
            names.push_back(history.NameAt(i));
        }
        return names;
    }

    // A point inside the band of a staff position (0 the lowest) of the bar,
    // dx units right of the bar's left edge.
    static Point OnStaff(const NoteBar& bar, int position, int dx = 300) {
        return {bar.GetBox().x + dx, bar.GetBox().y + 175 - 10 * position};
    }
    // The same height in the column of the chord at the step.
    static Point OnStaffAtStep(const NoteBar& bar, int step, int position) {
        const Box head = bar.GetChordAt(step)->First()->GetBox();
        return {head.x + head.width / 2, bar.GetBox().y + 175 - 10 * position};
    }
    static Point CentreOf(const Rect& rect) {
        return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }
    static Point CentreOf(const Note& note) { return CentreOf(note.GetBox().ToRect()); }

    void Click(Tool& tool, Point at, unsigned flags = 0) {
        tool.OnLButtonDown(*window, flags, at);
        tool.OnLButtonUp(*window, flags, at);
    }
    // Press, move in a few steps and release.
    void Drag(Tool& tool, Point from, Point to) {
        tool.OnLButtonDown(*window, 0, from);
        for (int i = 1; i <= 3; ++i) {
            tool.OnMouseMove(*window, 0,
                             {from.x + (to.x - from.x) * i / 3, from.y + (to.y - from.y) * i / 3});
        }
        tool.OnLButtonUp(*window, 0, to);
    }

    ToolsManager& tools = ToolsManager::Instance();
    // Declared before the song: every object of the song observes it.
    ChangeRecorder recorder{UndoManager::Instance()};
    std::unique_ptr<Song> song;
    std::unique_ptr<FakeScoreWindow> window;
};

}  // namespace tool_test
