#pragma once

#include <functional>
#include <vector>

#include "model/Geometry.h"
#include "model/Observer.h"

class Song;
class UndoManager;

// Turns the song's edit notifications into what the window needs: code 10
// (content changed) into one undo record of the whole song, named "Bar data
// changed" for melodic, percussion and chord bars and "Data changed" for
// anything else, and code 8 (repaint) into the areas waiting to be repainted,
// taken from the tool manager and kept until the window collects them.
// User-interface thread only. It does not own the songs it watches and must
// outlive them (the document keeps both), since every object of a watched song
// holds it as an observer.
class ChangeRecorder : public Observer {
public:
    static constexpr int kRepaintAspect = 8;
    static constexpr int kChangedAspect = 10;

    explicit ChangeRecorder(UndoManager& history) : m_history(history) {}
    ChangeRecorder(const ChangeRecorder&) = delete;
    ChangeRecorder& operator=(const ChangeRecorder&) = delete;

    // Listens to the song and everything in it, and records its edits, from
    // now on. Copies of the song (the history's) are watched too.
    void Watch(Song& song);
    // The undo name an edit of the subject is recorded under.
    static const char* RecordName(const Subject& subject);

    // Hands over the areas to repaint since the last call, in score units.
    std::vector<Rect> TakeRepaintAreas();
    // Called after each repaint request has been collected (the window
    // repaints then); none by default.
    void SetRepaintListener(std::function<void()> listener) { m_onRepaint = std::move(listener); }

    void Update(Subject* subject, int aspect) override;

private:
    UndoManager& m_history;
    Song* m_song = nullptr;
    std::vector<Rect> m_repaint;
    std::function<void()> m_onRepaint;
};
