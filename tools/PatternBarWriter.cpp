#include "tools/PatternBarWriter.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

#include "model/DynamicLevels.h"
#include "model/DynamicMark.h"
#include "model/NoteBar.h"

namespace {

constexpr int kStepsPerWhole = 96;
// Where rests and drum notes sit; the bar puts drum notes on their line anyway.
constexpr char kDrumLetter = 'C';
constexpr int kMiddleOctave = 5;

struct Spelling {
    char letter;
    int alteration;
};
// Patterns stand in C, whose minor third, minor sixth and minor seventh are
// Eb, Ab and Bb: flats read best.
constexpr std::array<Spelling, 12> kFlatSpelling = {{{'C', 0},
                                                     {'D', -1},
                                                     {'D', 0},
                                                     {'E', -1},
                                                     {'E', 0},
                                                     {'F', 0},
                                                     {'G', -1},
                                                     {'G', 0},
                                                     {'A', -1},
                                                     {'A', 0},
                                                     {'B', -1},
                                                     {'B', 0}}};

[[noreturn]] void Fail(const std::string& what, int step) {
    throw std::logic_error(what + " at step " + std::to_string(step));
}

}  // namespace

PatternBarWriter::PatternBarWriter(NoteBar& bar, int rootKey, bool drums)
    : m_bar(bar), m_rootKey(rootKey), m_drums(drums) {}

void PatternBarWriter::Write(const std::vector<PatternLine::Event>& events, int level) {
    for (const PatternLine::Event& event : events) {
        WriteEvent(event);
    }
    // The note entry fills what follows the last note with rests by itself.
    std::vector<PatternLine::Event> wanted = events;
    for (PatternLine::Event& event : wanted) {
        std::sort(event.semitones.begin(), event.semitones.end());
        event.stress = PatternLine::Plain;
    }
    if (EventsOf(m_bar, m_rootKey, m_drums) != wanted) {
        Fail("the bar does not sound as described", 0);
    }
    const std::map<int, int> marks = MarksFor(events, level);
    for (const auto& [step, code] : marks) {
        if (!m_bar.AddMark(step, code)) {
            Fail("the bar refused a dynamic mark", step);
        }
    }
    if (m_bar.GetMarks() != std::multimap<int, int>(marks.begin(), marks.end())) {
        Fail("the bar's dynamics differ from the line's", 0);
    }
}

std::map<int, int> PatternBarWriter::MarksFor(const std::vector<PatternLine::Event>& events,
                                              int level) {
    if (!DynamicLevels::SetsLevel(level)) {
        throw std::invalid_argument("no dynamic level " + std::to_string(level));
    }
    std::map<int, int> marks;
    int inForce = -1;  // unknown before the first sound
    for (const PatternLine::Event& event : events) {
        const bool stressed =
            event.stress == PatternLine::Accent || event.stress == PatternLine::Strong;
        if (stressed && inForce == level) {
            marks[event.step] =
                event.stress == PatternLine::Strong ? DynamicMark::SF : DynamicMark::Accent;
            continue;
        }
        // One mark to a step: a stressed sound that must also restore the
        // level takes a level as much louder as the accent would make it.
        int wanted = level;
        if (stressed) {
            wanted = std::min<int>(DynamicMark::FFF,
                                   level + (event.stress == PatternLine::Strong ? 2 : 1));
        } else if (event.stress == PatternLine::Ghost) {
            wanted = std::max<int>(DynamicMark::PPP, level - 2);
        }
        if (wanted != inForce) {
            marks[event.step] = wanted;
            inForce = wanted;
        }
    }
    return marks;
}

void PatternBarWriter::WriteEvent(const PatternLine::Event& event) {
    if (event.step < m_position && !event.triplet) {
        Fail("events overlap", event.step);
    }
    if (!event.triplet) {
        WriteRests(m_position, event.step);
        const auto written = PatternLine::WrittenLengthOf(event.length);
        if (!written) {
            Fail("no written value lasts " + std::to_string(event.length) + " steps", event.step);
        }
        for (const int semitones : event.semitones) {
            Enter(event.step, semitones, written->value, written->dotted, false);
        }
        m_position = event.step + event.length;
        return;
    }
    const auto value = PatternLine::TripletValueOf(event.length);
    if (!value) {
        Fail("no triplet member lasts " + std::to_string(event.length) + " steps", event.step);
    }
    const int groupLength = 3 * event.length;
    const int groupStart = event.step - event.step % groupLength;
    if (groupStart >= m_position) {
        // The group's first event makes the group; a silent first member is
        // a triplet rest, and the members after it join the group.
        WriteRests(m_position, groupStart);
        if (event.step != groupStart) {
            EnterRest(groupStart, *value, false, true);
        }
        m_position = groupStart + groupLength;
    }
    for (const int semitones : event.semitones) {
        Enter(event.step, semitones, *value, false, true);
    }
}

void PatternBarWriter::WriteRests(int from, int to) {
    const int beat = m_bar.GetStepsPerBeat();
    while (from < to) {
        const int beatStart = from - from % beat;
        const int room = std::min(to, beatStart + beat) - from;
        // A whole beat of rest is one rest, even a dotted one in 6/8; within
        // a beat, the longest plain rest that starts on a multiple of itself.
        int length = from == beatStart && room == beat ? beat : 0;
        for (int plain = kStepsPerWhole / 2; length == 0 && plain >= 3; plain /= 2) {
            if (plain <= room && (from - beatStart) % plain == 0) {
                length = plain;
            }
        }
        const auto written = PatternLine::WrittenLengthOf(length);
        if (!written) {
            Fail("no rest fills the gap", from);
        }
        EnterRest(from, written->value, written->dotted, false);
        from += length;
    }
}

void PatternBarWriter::Enter(int step, int semitones, int value, bool dotted, bool triplet) {
    char letter = kDrumLetter;
    int octave = kMiddleOctave;
    int accidental = Note::NoAccidental;
    if (!m_drums) {
        const int key = m_rootKey + semitones;
        if (key < 0) {
            Fail("a pitch below the lowest key", step);
        }
        const Spelling spelling = kFlatSpelling[static_cast<size_t>(key % 12)];
        letter = spelling.letter;
        octave = key / 12;
        const auto inForce = m_alterations.try_emplace({letter, octave}, 0).first;
        if (inForce->second != spelling.alteration) {
            accidental = Note::AccidentalFor(spelling.alteration);
            inForce->second = spelling.alteration;
        }
    }
    if (m_bar.InsertNote(step, letter, octave, accidental, value, dotted, triplet) == nullptr) {
        Fail("note entry refused a note", step);
    }
}

void PatternBarWriter::EnterRest(int step, int value, bool dotted, bool triplet) {
    if (m_bar.InsertNote(step, Note::kRestLetter, kMiddleOctave, Note::NoAccidental, value, dotted,
                         triplet) == nullptr) {
        Fail("note entry refused a rest", step);
    }
}

std::vector<PatternLine::Event> PatternBarWriter::EventsOf(const NoteBar& bar, int rootKey,
                                                           bool drums) {
    std::vector<PatternLine::Event> events;
    for (const auto& chord : bar.GetGrid()) {
        if (!chord || chord->IsRest()) {
            continue;
        }
        PatternLine::Event event{chord->GetStep(), chord->GetLength(), chord->IsTriplet(), {}};
        for (int i = 0; i < chord->GetNoteCount(); ++i) {
            event.semitones.push_back(drums ? 0 : bar.MidiKeyOf(*chord->GetNote(i)) - rootKey);
        }
        std::sort(event.semitones.begin(), event.semitones.end());
        events.push_back(std::move(event));
    }
    return events;
}
