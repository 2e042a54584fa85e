#include "editor/TextBoxEditing.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "editor/SongMembers.h"
#include "editor/ToolsManager.h"
#include "editor/tools/Tool.h"
#include "model/LyricText.h"
#include "model/NoteBar.h"
#include "model/ScoreWindow.h"

bool TextBoxEditing::MustCommit() const {
    return m_box != nullptr && !ToolsManager::Instance().IsSelected(m_box);
}

bool TextBoxEditing::Commit(const std::string& input) {
    FloatingText* box = std::exchange(m_box, nullptr);
    const Song* song = m_window.GetSong();
    if (box == nullptr || input.empty() || song == nullptr || !SongMembers::Holds(*song, box)) {
        return false;
    }
    const std::string before = box->GetText();
    const Rect oldArea = box->GetBoundingRect();
    box->SetText(input);
    if (box->GetText() == before) {
        return false;
    }
    box->Measure();
    ToolsManager& tools = ToolsManager::Instance();
    tools.AddDirtyRect(oldArea);
    tools.AddDirtyRect(box->GetBoundingRect());
    box->Notify(10);
    box->Notify(8);
    return true;
}

void TextBoxEditing::Cancel() {
    FloatingText* box = std::exchange(m_box, nullptr);
    ToolsManager& tools = ToolsManager::Instance();
    if (box != nullptr && tools.IsSelected(box)) {
        tools.ClearSelection(true);
    }
}

bool TextBoxEditing::Press(Key key) {
    if (m_box == nullptr) {
        return false;
    }
    if (key == Key::Enter) {
        Deselect();
        return true;
    }
    if (!m_box->IsA("LyricText")) {
        return key != Key::Space;
    }
    MoveTo(Neighbour(static_cast<const LyricText&>(*m_box), key != Key::BackTab));
    return true;
}

LyricText* TextBoxEditing::Neighbour(const LyricText& lyric, bool forward) {
    const auto* bar = dynamic_cast<const NoteBar*>(lyric.GetParent());
    if (bar == nullptr) {
        return nullptr;
    }
    const LyricLine::Entries& lyrics = bar->GetLyrics();
    const auto at = std::find_if(lyrics.begin(), lyrics.end(), [&lyric](const auto& entry) {
        return entry.second.get() == &lyric;
    });
    if (at == lyrics.end()) {
        return nullptr;
    }
    if (forward) {
        const auto next = std::next(at);
        return next != lyrics.end() ? next->second.get() : nullptr;
    }
    return at != lyrics.begin() ? std::prev(at)->second.get() : nullptr;
}

void TextBoxEditing::MoveTo(LyricText* next) {
    if (next == nullptr) {
        Deselect();
        return;
    }
    const Rect r = next->GetRect();
    const Point centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    // A whole click, not only the press: the pencil keeps the box it opens
    // selected through the release that follows its press, and without that
    // release it would keep the next real click's object selected as well.
    // The press selects the other box, which commits this one.
    Tool& tool = ToolsManager::Instance().EffectiveTool();
    tool.OnLButtonDown(m_window, 0, centre);
    tool.OnLButtonUp(m_window, 0, centre);
}

void TextBoxEditing::Deselect() {
    ToolsManager& tools = ToolsManager::Instance();
    tools.AddDirtyRect(m_box->GetBoundingRect());
    tools.ClearSelection(true);
}
