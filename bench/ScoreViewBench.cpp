#include <benchmark/benchmark.h>

#include <QMouseEvent>
#include <QScrollBar>

#include "BenchApplication.h"
#include "editor/InputCommands.h"
#include "editor/ToolsManager.h"
#include "editor/UndoManager.h"
#include "editor/qt/CQuillsong3View.h"
#include "model/MelodicBar.h"
#include "platform/FixedPrompt.h"
#include "support/DenseSong.h"

// The score window on the densest song (16 tracks of sixteenths with lyrics):
// a pencil click from the mouse event to the end of the repaint it causes
// (the tool, the model's edit, the undo record and the paint of the changed
// area), and one full repaint of a 1600 x 1000 view at 125 %.
namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 1000;

struct ViewOnDenseSong {
    FixedPrompt prompt{Prompt::Ok};
    std::unique_ptr<Song> song = BuildDenseSong(true);
    CQuillsong3View view{prompt};

    ViewOnDenseSong() {
        ToolsManager::Instance().Reset();
        song->Relayout();
        view.resize(kWidth, kHeight);
        view.SetSong(song.get());
        view.show();
        UndoManager::Instance().Clear();
        UndoManager::Instance().Record(*song, UndoManager::kInitTag, UndoManager::kInitTag);
        QApplication::processEvents();
    }
    ~ViewOnDenseSong() {
        ToolsManager::Instance().Reset();
        UndoManager::Instance().Clear();
    }
    void Click(QPoint at) {
        QMouseEvent press(QEvent::MouseButtonPress, at, view.viewport()->mapToGlobal(at),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, view.viewport()->mapToGlobal(at),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view.viewport(), &press);
        QApplication::sendEvent(view.viewport(), &release);
    }
};

void BM_PencilClickToRepaintOnDenseSong(benchmark::State& state) {
    BenchApplication();
    ViewOnDenseSong fixture;
    // A note of the first treble track's second bar, in sight: each click
    // gives it the chosen accidental, sharp and flat by turns, an edit with
    // its undo record and repaint.
    const auto& bar = static_cast<const MelodicBar&>(*fixture.song->GetBar(1, 1));
    const Box head = bar.FirstChord()->First()->GetBox();
    const QPoint at =
        fixture.view.ToDevicePoint({head.x + head.width / 2, head.y + head.height / 2});
    bool sharp = true;
    for (auto _ : state) {
        InputCommands::Execute(sharp ? InputCommands::Sharp : InputCommands::Flat);
        sharp = !sharp;
        fixture.Click(at);
        // Runs the repaint the click asked for.
        QApplication::processEvents();
    }
    state.counters["undo_entries"] = UndoManager::Instance().Count();
}
BENCHMARK(BM_PencilClickToRepaintOnDenseSong)->Unit(benchmark::kMillisecond);

void BM_FullRepaintOfTheViewAt125(benchmark::State& state) {
    BenchApplication();
    ViewOnDenseSong fixture;
    for (auto _ : state) {
        fixture.view.viewport()->repaint();
    }
}
BENCHMARK(BM_FullRepaintOfTheViewAt125)->Unit(benchmark::kMillisecond);

}  // namespace
