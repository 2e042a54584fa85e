#include "editor/TrackPainter.h"

#include <cstdio>

#include "editor/ToolsManager.h"
#include "model/Bar.h"
#include "model/DrawResources.h"
#include "model/FloatingCombo.h"
#include "model/NoteBar.h"
#include "model/PageGeometry.h"
#include "model/Palette.h"
#include "model/Song.h"
#include "model/TieArcs.h"
#include "model/Track.h"
#include "model/TrackTitle.h"
#include "model/VolumeSlider.h"

namespace {

constexpr int kFinalBarWidth = 8;
constexpr int kFinalThinLineOffset = 14;
constexpr int kJoinOffset = 200;

// The top and bottom staff lines of a bar: five lines on a melodic staff,
// one on a percussion staff, where bar lines span two spaces around it.
struct StaffSpan {
    int top;
    int bottom;
};

StaffSpan SpanOf(const Bar& bar) {
    const Box& box = bar.GetBox();
    if (bar.GetTrack()->IsPercussion()) {
        return {box.y + 65, box.y + 105};
    }
    return {box.y + 45, box.y + 125};
}

}  // namespace

void TrackPainter::Draw(DeviceContext& dc, const Song& song, const Track& track, int page) {
    const ToolsManager& tools = ToolsManager::Instance();
    if (tools.CurrentPage() == 0 && track.GetVolumeSlider() != nullptr) {
        track.GetVolumeSlider()->Draw(dc);
    }
    const JoinPiece join = JoinFor(song, track);
    const bool numbered = IsFirstStaff(song, track);
    const Rect printed = page > 0 ? PageGeometry::PageRect(page - 1) : Rect{};
    for (const auto& bar : track.Bars()) {
        if (page > 0 && !bar->GetBox().ToRect().Intersects(printed)) {
            continue;
        }
        if (dc.RectVisible(bar->GetBoundingRect())) {
            DrawBar(dc, track, *bar, join, numbered);
        }
    }
    if (track.GetSelector() != nullptr) {
        track.GetSelector()->Draw(dc);
    }
    if (track.GetTitleText() != nullptr) {
        track.GetTitleText()->Draw(dc);
    }
    TieArcs::Draw(dc, track);
}

void TrackPainter::DrawBar(DeviceContext& dc, const Track& track, Bar& bar, JoinPiece join,
                           bool numbered) {
    bar.DrawSelection(dc);
    if (auto* noteBar = dynamic_cast<NoteBar*>(&bar)) {
        dc.SelectPen(DrawResources::Instance().blackPen);
        noteBar->DrawStaffLines(dc, false);
        DrawBarLine(dc, *noteBar, bar.GetIndex() == track.GetNumBars() - 1);
        if (bar.GetIndex() % Track::GetBarsPerLine() == 0) {
            DrawLineHead(dc, *noteBar, join);
        }
        if (numbered) {
            DrawBarNumber(dc, bar);
        }
    }
    // Each kind of bar selects the font, pen and colours its content needs.
    bar.Draw(dc);
}

void TrackPainter::DrawBarLine(DeviceContext& dc, const NoteBar& bar, bool last) {
    const Box& box = bar.GetBox();
    const StaffSpan span = SpanOf(bar);
    const int right = box.x + box.width;
    dc.SelectPen(DrawResources::Instance().blackPen);
    if (last) {
        dc.FillRect({right - kFinalBarWidth, span.top, right, span.bottom + 1}, Palette::kInk);
        const int thin = right - kFinalThinLineOffset;
        dc.Line({thin, span.top}, {thin, span.bottom});
    } else {
        dc.Line({right, span.top}, {right, span.bottom});
    }
}

void TrackPainter::DrawLineHead(DeviceContext& dc, NoteBar& bar, JoinPiece join) {
    const DrawResources& resources = DrawResources::Instance();
    dc.SelectFont(resources.scoreFont);
    dc.SelectPen(resources.blackPen);
    bar.DrawStaffLines(dc, true);
    bar.DrawHeader(dc);
    if (join == NoJoin) {
        return;
    }
    const Box& box = bar.GetBox();
    const StaffSpan span = SpanOf(bar);
    const int x = box.x - kJoinOffset;
    int from = box.y;
    int to = box.y + box.height;
    if (join == TopPiece) {
        from = span.top;
    } else if (join == BottomPiece) {
        to = span.bottom;
    }
    dc.SelectPen(resources.blackPen);
    dc.Line({x, from}, {x, to});
}

void TrackPainter::DrawBarNumber(DeviceContext& dc, const Bar& bar) {
    const Box& box = bar.GetBox();
    const int left = box.x;
    const int top = box.y;
    dc.SelectNullPen();
    dc.SelectBrush(Palette::kBarNumberShadow);
    dc.Ellipse({left + 4, top + 4, left + 36, top + 35});
    dc.SelectPen(DrawResources::Instance().colourPens[0]);
    dc.SelectBrush(DrawResources::Instance().lightBlueBrush);
    dc.Ellipse({left + 2, top + 2, left + 33, top + 33});
    char number[12];
    std::snprintf(number, sizeof number, "%d", bar.GetIndex() + 1);
    dc.SelectFont(DrawResources::Font("Tahoma", 18, 700));
    const Size extent = dc.TextExtent(number);
    dc.SetTextColor(Palette::kInk);
    dc.Text(left + 18 - extent.width / 2, top + 18 - extent.height / 2, number);
    dc.SelectPen(DrawResources::Instance().blackPen);
}

TrackPainter::JoinPiece TrackPainter::JoinFor(const Song& song, const Track& track) {
    int staves = 0;
    int position = -1;
    for (int i = 0; i < song.GetNumTracks(); ++i) {
        const Track* other = song.GetTrack(i);
        if (other->IsAccompaniment()) {
            continue;
        }
        if (other == &track) {
            position = staves;
        }
        ++staves;
    }
    if (staves < 2 || position < 0) {
        return NoJoin;
    }
    if (position == 0) {
        return TopPiece;
    }
    return position == staves - 1 ? BottomPiece : MiddlePiece;
}

bool TrackPainter::IsFirstStaff(const Song& song, const Track& track) {
    for (int i = 0; i < song.GetNumTracks(); ++i) {
        const Track* other = song.GetTrack(i);
        if (!other->IsAccompaniment()) {
            return other == &track;
        }
    }
    return false;
}
