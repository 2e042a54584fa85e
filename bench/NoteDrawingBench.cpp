#include <benchmark/benchmark.h>

#include "model/DeviceContext.h"
#include "model/NoteBar.h"
#include "model/TieArcs.h"
#include "support/DenseSong.h"

namespace {

// A device context that only counts what it is asked to draw, so the
// benchmark measures the model's side of a drawing pass.
class CountingDeviceContext : public DeviceContext {
public:
    void SelectFont(const FontSpec&) override { ++m_calls; }
    void SelectPen(const PenSpec&) override { ++m_calls; }
    void SelectNullPen() override { ++m_calls; }
    void SelectBrush(Color) override { ++m_calls; }
    void SelectNullBrush() override { ++m_calls; }
    void SetTextColor(Color) override { ++m_calls; }
    void Line(Point, Point) override { ++m_calls; }
    void Polyline(std::span<const Point> points) override { m_calls += points.size(); }
    void Polygon(std::span<const Point> points) override { m_calls += points.size(); }
    void Rectangle(const Rect&) override { ++m_calls; }
    void Ellipse(const Rect&) override { ++m_calls; }
    void FillRect(const Rect&, Color) override { ++m_calls; }
    void Text(int, int, std::string_view text) override { m_calls += text.size(); }
    Size TextExtent(std::string_view text) override {
        return {static_cast<int>(text.size()) * 17, 34};
    }
    Rect ClipBox() const override { return {-100000, -100000, 100000, 100000}; }
    bool IsPrinting() const override { return false; }
    size_t Calls() const { return m_calls; }

private:
    size_t m_calls = 0;
};

int CountNotes(const Song& song) {
    int notes = 0;
    for (int slot = 0; slot < song.GetNumTracks(); ++slot) {
        for (const auto& bar : song.GetTrack(slot)->Bars()) {
            if (const auto* noteBar = dynamic_cast<const NoteBar*>(bar.get())) {
                for (const NoteChord* chord = noteBar->FirstChord(); chord != nullptr;
                     chord = noteBar->ChordAfter(*chord)) {
                    notes += chord->GetNoteCount();
                }
            }
        }
    }
    return notes;
}

// Every note bar of the densest song (16 tracks of tied sixteenths, 64 bars:
// about four pages) with its staff, then the ties. A page holds about 4,000
// of these notes and must draw, Qt included, well within a frame.
void BM_DrawDenseSong(benchmark::State& state) {
    auto song = BuildDenseSong(false, true);
    size_t calls = 0;
    for (auto _ : state) {
        CountingDeviceContext dc;
        for (int slot = 0; slot < song->GetNumTracks(); ++slot) {
            const Track& track = *song->GetTrack(slot);
            for (const auto& bar : track.Bars()) {
                if (auto* notes = dynamic_cast<NoteBar*>(bar.get())) {
                    notes->DrawSelection(dc);
                    notes->DrawStaffLines(dc, false);
                    notes->Draw(dc);
                }
            }
            TieArcs::Draw(dc, track);
        }
        calls = dc.Calls();
        benchmark::DoNotOptimize(calls);
    }
    state.counters["calls"] = static_cast<double>(calls);
    state.counters["notes/s"] = benchmark::Counter(static_cast<double>(CountNotes(*song)),
                                                   benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_DrawDenseSong)->Unit(benchmark::kMillisecond);

}  // namespace
