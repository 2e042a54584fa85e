#include "editor/ScorePainter.h"

#include <string>

#include "editor/GradientFill.h"
#include "editor/ToolsManager.h"
#include "editor/TrackPainter.h"
#include "model/DrawResources.h"
#include "model/PageGeometry.h"
#include "model/Palette.h"
#include "model/Song.h"
#include "model/SongText.h"
#include "model/Track.h"
#include "model/UserText.h"
#include "platform/Translation.h"

namespace {

constexpr int kShadowWidth = 15;
constexpr int kShadowBands = 5;
constexpr int kHeaderBands = 20;

}  // namespace

int ScorePainter::PageCount() {
    const ToolsManager& tools = ToolsManager::Instance();
    return PageGeometry::PageCount(tools.TotalBars(), tools.BarsPerPage());
}

void ScorePainter::PaintScreen(DeviceContext& dc, Song* song, int pageCount) {
    if (song == nullptr) {
        pageCount = 1;
    }
    dc.FillRect(dc.ClipBox(), Palette::kDesk);
    for (int page = 0; page < pageCount; ++page) {
        Rect withShadow = PageGeometry::PageRect(page);
        withShadow.right += kShadowWidth;
        withShadow.bottom += kShadowWidth;
        if (dc.RectVisible(withShadow)) {
            DrawPage(dc, page);
            DrawPageLabel(dc, page, pageCount);
        }
    }
    if (song == nullptr) {
        return;
    }
    DrawSongTexts(dc, *song);
    for (int i = 0; i < song->GetNumTracks(); ++i) {
        TrackPainter::Draw(dc, *song, *song->GetTrack(i), 0);
    }
}

void ScorePainter::PrintPage(DeviceContext& dc, Song& song, int page, int pageCount) {
    DrawSongTexts(dc, song);
    for (int i = 0; i < song.GetNumTracks(); ++i) {
        TrackPainter::Draw(dc, song, *song.GetTrack(i), page);
    }
    DrawPageLabel(dc, page - 1, pageCount);
}

void ScorePainter::DrawPage(DeviceContext& dc, int page) {
    const Rect paper = PageGeometry::PageRect(page);
    GradientFill::Fill(dc,
                       {paper.right, paper.top + 10, paper.right + kShadowWidth,
                        paper.top + 10 + PageGeometry::kPageHeight},
                       Palette::kPageShadow, Palette::kDesk, kShadowBands,
                       GradientFill::LeftToRight);
    GradientFill::Fill(
        dc, {paper.left + 5, paper.bottom, paper.left + 5 + 2110, paper.bottom + kShadowWidth},
        Palette::kPageShadow, Palette::kDesk, kShadowBands, GradientFill::TopToBottom);
    dc.SelectPen({Palette::kPageEdge, 1});
    dc.SelectBrush(Palette::kPaper);
    dc.Rectangle(paper);
    GradientFill::Fill(dc, {paper.left + 2, paper.top + 2, paper.left + 2 + 2096, paper.top + 82},
                       Palette::kPageHeader, Palette::kPaper, kHeaderBands,
                       GradientFill::TopToBottom);
}

void ScorePainter::DrawPageLabel(DeviceContext& dc, int page, int pageCount) {
    const std::string label =
        Translation::Fill(Translation::Text("ScorePainter", "Page %d of %d"),
                          {std::to_string(page + 1), std::to_string(pageCount)});
    dc.SelectFont(DrawResources::Instance().labelFont);
    dc.SetTextColor(Palette::kInk);
    dc.Text(PageGeometry::kPagePitch * page + 1895, 100, label);
}

void ScorePainter::DrawSongTexts(DeviceContext& dc, Song& song) {
    if (ToolsManager::Instance().CurrentPage() == 0) {
        song.GetTitleText()->Draw(dc);
        song.GetAuthorText()->Draw(dc);
    }
    for (const auto& text : song.GetUserTexts()) {
        text->Draw(dc);
    }
}
