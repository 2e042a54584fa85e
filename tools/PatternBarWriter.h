#pragma once

#include <map>
#include <utility>
#include <vector>

#include "tools/PatternLine.h"

class Note;
class NoteBar;

// Writes the events of a pattern line into one bar of a pattern song through
// the bar's own note entry, left to right, as a user with the pencil would:
// rests by beats where the line is silent, pitches spelled for the key of C
// with flats, accidentals written only where the bar does not already sound
// them. Afterwards it checks that the bar sounds exactly what the line asked.
class PatternBarWriter {
public:
    // rootKey: the key number of the part's root C; a drum bar ignores it.
    PatternBarWriter(NoteBar& bar, int rootKey, bool drums);

    // Writes into a bar that holds only its whole-bar rest; level is the
    // dynamic mark (PPP to FFF) plain sounds play at. Throws std::logic_error
    // when note entry refuses a note or the written bar sounds different from
    // the events.
    void Write(const std::vector<PatternLine::Event>& events, int level);

    // The marks, step to code, that give the events their stress at the
    // level. A bar may be pasted after any other, so its first sound always
    // names its level.
    static std::map<int, int> MarksFor(const std::vector<PatternLine::Event>& events, int level);

    // The events a bar sounds, in step order, as the writer would have
    // given them: semitones above rootKey ({0} for a drum hit).
    static std::vector<PatternLine::Event> EventsOf(const NoteBar& bar, int rootKey, bool drums);

private:
    void WriteEvent(const PatternLine::Event& event);
    void WriteRests(int from, int to);
    void Enter(int step, int semitones, int value, bool dotted, bool triplet);
    void EnterRest(int step, int value, bool dotted, bool triplet);

    NoteBar& m_bar;
    int m_rootKey;
    bool m_drums;
    // The first step that nothing has been written at yet.
    int m_position = 0;
    // The alteration in force on each letter and octave so far in the bar.
    std::map<std::pair<char, int>, int> m_alterations;
};
