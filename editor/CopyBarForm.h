#pragma once

#include <string>
#include <vector>

#include "editor/BarRange.h"

class Prompt;
class Song;
class UndoManager;

// The "Copy Bar" dialog: bars of a source track copied, repeated, onto a
// destination track of the same type, or every track onto itself.
class CopyBarForm {
public:
    enum class Focus { None, LastSourceBar, DestinationBar };

    explicit CopyBarForm(const Song& song);

    // "name - instrument" of every track.
    const std::vector<std::string>& SourceItems() const { return m_sourceItems; }
    // The tracks of the selected source's type; refilled when the source changes.
    const std::vector<std::string>& DestinationItems() const { return m_destinationItems; }
    void SetSource(int index);
    void SetDestination(int index) { m_destination = index; }
    // With every track copied onto itself both lists lose their selection.
    void SetCopyAllTracks(bool all) { m_copyAll = all; }
    bool CopyAllTracks() const { return m_copyAll; }
    void SetFirstBar(int index) { m_bars.SetFirst(index); }
    // A last bar before the first moves the first to it; then a destination
    // not after the range moves to the bar after it, when there is one.
    void SetLastBar(int index);
    void SetDestinationBar(int index) { m_destinationBar = index; }
    void SetRepetitionsText(const std::string& text) { m_repetitionsText = text; }
    int FirstBar() const { return m_bars.First(); }
    int LastBar() const { return m_bars.Last(); }
    int DestinationBar() const { return m_destinationBar; }

    // Copies and records "Copy Tracks"; false (the dialog stays open, with the
    // focus on the field in question) after a message.
    bool Ok(Song& song, Prompt& prompt, UndoManager& history, Focus* focus = nullptr) const;

private:
    bool CopyOne(Song& song, int source, int destination, Prompt& prompt, Focus* focus) const;

    const Song& m_song;
    std::vector<std::string> m_sourceItems;
    std::vector<std::string> m_destinationItems;
    std::vector<int> m_destinationSlots;
    int m_source = 0;
    int m_destination = 0;
    bool m_copyAll = false;
    BarRange m_bars;
    int m_destinationBar = 1;
    std::string m_repetitionsText = "1";
};
