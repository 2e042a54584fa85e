#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "BenchApplication.h"
#include "editor/ScorePainter.h"
#include "editor/qt/NotationFonts.h"
#include "editor/qt/QtDeviceContext.h"
#include "editor/qt/ScoreExporter.h"
#include "model/PageGeometry.h"
#include "support/DenseSong.h"

// The drawing pass as the screen runs it: one page of the densest song at
// the view's initial zoom, into an image; and the whole song printed to PDF.
namespace {

void BM_DrawOnePageOfDenseSongAt125(benchmark::State& state) {
    BenchApplication();
    auto song = BuildDenseSong(state.range(0) != 0);
    song->Relayout();
    const Rect page = PageGeometry::PageRect(0);
    const qreal scale = QtDeviceContext::ScreenScale(125, 96.0);
    QImage image(static_cast<int>(std::ceil((page.right - page.left) * scale)),
                 static_cast<int>(std::ceil((page.bottom - page.top) * scale)),
                 QImage::Format_RGB32);
    const int pages = ScorePainter::PageCount();
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        painter.translate(-page.left, -page.top);
        QtDeviceContext dc(painter, page, false);
        ScorePainter::PaintScreen(dc, song.get(), pages);
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_DrawOnePageOfDenseSongAt125)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ExportDenseSongToPdf(benchmark::State& state) {
    BenchApplication();
    auto song = BuildDenseSong(false);
    song->Relayout();
    const std::string path =
        (std::filesystem::temp_directory_path() / "quillsong-bench.pdf").string();
    for (auto _ : state) {
        std::string error;
        if (!ScoreExporter::ExportPdf(*song, path, error)) {
            state.SkipWithError(error.c_str());
            break;
        }
    }
    state.counters["pages"] = ScorePainter::PageCount();
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::filesystem::remove(path);
}
BENCHMARK(BM_ExportDenseSongToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
