#include "model/TrackLayout.h"

#include <algorithm>

#include "model/PageGeometry.h"
#include "model/Track.h"

TrackLayout::TrackLayout(const Track* const* tracks, int count, int barsPerLine, int barWidth)
    : m_tracks(tracks),
      m_count(count),
      m_barsPerLine(std::max(1, barsPerLine)),
      m_barWidth(barWidth) {
    for (int i = 0; i < count; ++i) {
        m_systemHeight += tracks[i]->GetStaffHeight();
    }
    m_systemHeight += PageGeometry::kSystemGap;
    m_systemsPerPage = std::max(1, PageGeometry::kSystemArea / m_systemHeight);
}

int TrackLayout::StaffOffset(int trackIndex) const {
    int above = 0;
    for (int i = 0; i < trackIndex && i < m_count; ++i) {
        above += m_tracks[i]->GetStaffHeight();
    }
    return above;
}

Box TrackLayout::BarBox(int trackIndex, int barIndex) const {
    const int page = barIndex / BarsPerPage();
    const int column = barIndex % m_barsPerLine;
    const int row = (barIndex / m_barsPerLine) % m_systemsPerPage;
    return {PageGeometry::kTrackLeft + PageGeometry::kHeaderWidth + column * m_barWidth +
                PageGeometry::kPagePitch * page,
            PageGeometry::kFirstSystemTop + StaffOffset(trackIndex) + row * m_systemHeight,
            m_barWidth, m_tracks[trackIndex]->GetStaffHeight()};
}

Box TrackLayout::TrackBox(int trackIndex) const {
    const Track& track = *m_tracks[trackIndex];
    const int lines = track.GetNumBars() / m_barsPerLine;
    return {PageGeometry::kTrackLeft, PageGeometry::kFirstSystemTop + StaffOffset(trackIndex),
            m_barWidth * m_barsPerLine + 500,
            m_count * track.GetStaffHeight() * lines + lines * 150};
}
