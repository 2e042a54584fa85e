#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/Bar.h"
#include "model/FloatingCombo.h"
#include "model/SelObject.h"
#include "model/TrackTitle.h"
#include "model/VolumeSlider.h"

class Note;
class NoteBar;
class Song;

enum TrackType : int {
    TrebleTrack = 0,
    BassTrack = 1,
    PercussionTrack = 2,
    AccompanimentTrack = 3,
    // A track being read from a file before its type is known.
    UntypedTrack = 4
};

// What a track is built from.
struct TrackInfo {
    int trackNum = 0;
    int numBars = 0;
    int trackType = UntypedTrack;
    SelObject* song = nullptr;
};

// One staff line of the score (treble, bass, percussion) or the chord line of
// the accompaniment. Owns its bars, its title, its instrument or style
// selector and its volume slider. Its number always equals its slot in the song.
class Track : public SelObject {
public:
    explicit Track(const TrackInfo& info);
    Track(const Track& other);
    Track& operator=(const Track&) = delete;
    ~Track() override;

    const char* GetClassName() const override { return "Track"; }
    std::unique_ptr<SelObject> Clone() const override;
    SelObject* HitTest(int x, int y) override;
    Rect GetBoundingRect() const override;
    const int* GetProperty(std::string_view name) const override;
    // Itself, then every bar, the selector, the volume slider and the title.
    void Attach(Observer* observer, int aspect) override;

    // Builds bars, selector, slider and title for the track's type; used when a
    // track read from a file learns its type.
    void SetTrackTypeAndBuild(int trackType);

    // Writes the track as a "Track" element with its bars, or reads the
    // current one: type, mute, lyric line, instrument or style, volume, title
    // and every bar. A track of unknown type or with missing bars throws
    // IOException.
    void Serialize(Archive& archive);

    // Accompaniment tracks only: one output track per pattern track (numbered
    // from 24, with the pattern track's type, instrument, name and volume),
    // filled bar by bar from this track's chords. Any other track makes none.
    // Changes every bar to the new key, in order; false at the first bar that
    // cannot take it (the bars before it keep their change).
    bool Transpose(int newKey, bool upward);

    // Bar ranges. Each keeps ties consistent where the range meets the bars
    // around it (chord tracks have none) and keeps the chord track's first
    // box styled. Each answers false, changing nothing, for a range outside
    // the track or a result of more than 64 or fewer than 1 bars.
    // count new empty bars before (or after) the bar.
    bool InsertBars(int count, int bar, bool before);
    bool DeleteBars(int first, int last);
    bool ClearBars(int first, int last);
    // Copies bars first..last of the source track (of this track's kind)
    // repetitions times from the destination bar on, one bar at a time in
    // increasing order.
    bool CopyBars(const Track& source, int first, int last, int destination, int repetitions);
    // The chord track's first box always carries a sub-style.
    void EnsureFirstSubStyle();

    std::vector<std::unique_ptr<Track>> GenerateAccompaniment(
        const std::vector<const Track*>& patternTracks);
    static constexpr int kFirstExpansionTrack = 24;
    static constexpr int kMaxPatternRows = 15;

    Bar* GetBar(int index) const;
    int GetNumBars() const { return m_numBars; }
    void SetNumBars(int numBars) { m_numBars = numBars; }
    std::vector<std::unique_ptr<Bar>>& Bars() { return m_bars; }
    const std::vector<std::unique_ptr<Bar>>& Bars() const { return m_bars; }

    int GetTrackNum() const { return m_trackNum; }
    // Also tells the selector and the slider, which address the engine by it.
    void SetTrackNum(int trackNum);
    int GetTrackType() const { return m_trackType; }
    bool IsAccompaniment() const { return m_trackType == AccompanimentTrack; }
    bool IsPitched() const { return m_trackType == TrebleTrack || m_trackType == BassTrack; }
    bool IsPercussion() const { return m_trackType == PercussionTrack; }

    void SetMuted(bool muted) { m_muted = muted; }
    bool IsMuted() const { return m_muted; }

    // The selector's program (the drum key on a percussion track); 0 without one.
    int GetMidiProgNum() const;
    void SetProgram(int program);
    // The accompaniment style of a StyleCombo; empty on other tracks.
    std::string GetStyleName() const;
    int GetVolume() const;
    void SetVolume(int volume);

    std::string GetTitle() const;
    void SetTitle(const std::string& text);
    TrackTitle* GetTitleText() const { return m_title.get(); }
    FloatingCombo* GetSelector() const { return m_selector.get(); }
    VolumeSlider* GetVolumeSlider() const { return m_slider.get(); }

    // Lyric lines under every bar; the accompaniment track has none and
    // refuses. Showing makes the staff 50 units taller.
    bool ShowLyrics();
    void HideLyrics();
    bool IsLyricShown() const;

    // Ties from a note to the note of the same pitch in the next chord, which
    // may stand in the next bar. False, with nothing changed, when the note
    // is a rest, already ties forward, is not in this track, or the next
    // chord has no note of the same letter, octave and key number.
    bool AddTie(Note* note);
    // Cuts the ties between the note and its neighbours on the chosen sides;
    // the note's own mode is left to the caller.
    void CutTies(Note* note, bool before, bool after);
    // The eraser on a tied note: removes the tie that leaves the note, a
    // completed edit of its bar; false unless the note starts or continues a
    // tie onwards.
    bool EraseTie(Note* note);
    // The same as a step of a command that records itself: nothing notified.
    bool RemoveTie(Note* note);
    // The accidental in force on a tied note: the one on the tie's first note.
    int TieAccidental(const Note& note) const;
    // Writes the accidental on the note (on the first note of its tie, the
    // rest of the tie carrying it) and respells across the bar lines. False
    // on a percussion track, for a rest or an invalid code.
    bool ApplyAccidental(Note* note, int accidental);
    // After a change of the letter and octave's notes in the bar, writes out
    // the accidental a tie carries into a bar on the first later note of that
    // pitch where the tie ends, so the note is drawn as it sounds; looks at
    // the bar and the next one, and on while bars begin with such a tie.
    void RefreshTieAccidentals(int barIndex, char letter, int octave);

    int GetStaffHeight() const { return m_staffHeight; }
    void SetStaffHeight(int height) { m_staffHeight = height; }
    const Box& GetBox() const { return m_box; }
    void SetBox(const Box& box) { m_box = box; }

    // Places the track's bars and controls on the pages, given every track
    // of the song in order (this one among them), and tells the editing state
    // how many bars there are and how many fit a page.
    void Layout(Track* const* tracks, int count);

    static void SetBarsPerLine(int barsPerLine);
    static int GetBarsPerLine() { return s_barsPerLine; }
    static int GetBarWidth() { return s_barWidth; }

    // The staff height for a type, with lyrics hidden.
    static int StaffHeightFor(int trackType);

private:
    // Rebuilding from an undo record sets the type and the controls directly,
    // without building the children a type brings.
    friend class SongRecordReader;

    void BuildChildren();
    // The title, selector and slider in front of the track's first staff.
    void PlaceControls();
    void RenumberBarsFrom(int first);
    std::unique_ptr<Bar> MakeBar(int index);
    NoteBar* NoteBarAt(int index) const;

    int m_trackNum;
    int m_numBars;
    int m_trackType;
    bool m_muted = false;
    int m_staffHeight = 0;
    Box m_box;
    std::vector<std::unique_ptr<Bar>> m_bars;
    std::unique_ptr<TrackTitle> m_title;
    std::unique_ptr<FloatingCombo> m_selector;
    std::unique_ptr<VolumeSlider> m_slider;
    mutable int m_midiProgNumCache = 0;

    static inline int s_barsPerLine = 4;
    static inline int s_barWidth = 380;
};
