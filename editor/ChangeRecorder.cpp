#include "editor/ChangeRecorder.h"

#include <utility>

#include "editor/ToolsManager.h"
#include "editor/UndoManager.h"
#include "model/Song.h"

void ChangeRecorder::Watch(Song& song) {
    m_song = &song;
    song.Attach(this, kRepaintAspect);
    song.Attach(this, kChangedAspect);
}

const char* ChangeRecorder::RecordName(const Subject& subject) {
    if (subject.IsA("MelodicBar") || subject.IsA("PercussionBar") || subject.IsA("ChordBar")) {
        return "Bar data changed";
    }
    return "Data changed";
}

std::vector<Rect> ChangeRecorder::TakeRepaintAreas() {
    return std::exchange(m_repaint, {});
}

void ChangeRecorder::Update(Subject* subject, int aspect) {
    if (aspect == kRepaintAspect) {
        for (const Rect& rect : ToolsManager::Instance().TakeDirtyRects()) {
            m_repaint.push_back(rect);
        }
        if (m_onRepaint) {
            m_onRepaint();
        }
    } else if (aspect == kChangedAspect && m_song != nullptr && subject != nullptr) {
        const char* name = RecordName(*subject);
        m_history.Record(*m_song, name, name);
    }
}
