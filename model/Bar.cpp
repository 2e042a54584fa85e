#include "model/Bar.h"

#include <algorithm>

#include "editor/ToolsManager.h"
#include "model/Track.h"

Bar::Bar(Track* track, int index, const Box& box)
    : SelObject(track, false),
      m_index(index),
      m_steps(std::max(1, PropertyOr("NumOfStepsPerBar", 96))),
      m_box(box) {}

Track* Bar::GetTrack() const {
    return static_cast<Track*>(GetParent());
}

void Bar::NotifyChanged() {
    Repaint();
    Notify(8);
    Notify(10);
}

void Bar::Repaint() const {
    ToolsManager::Instance().AddDirtyRect(GetBoundingRect());
}
