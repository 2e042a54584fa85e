#include "files/MusicXmlPartWriter.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "files/MusicXmlBeams.h"
#include "files/MusicXmlPitchSpeller.h"
#include "files/MusicXmlRhythm.h"
#include "files/XmlOutput.h"
#include "model/ChordBar.h"
#include "model/DynamicMark.h"
#include "model/NoteBar.h"
#include "model/Song.h"
#include "model/Track.h"

namespace {

// Drum notes stand on the one line of the percussion staff, which readers
// place where a five-line staff has its middle line.
constexpr std::string_view kDrumStep = "B";
constexpr int kDrumOctave = 4;
constexpr int kSemitonesPerRoot = 1;

const char* DynamicsName(int code) {
    static constexpr std::array<const char*, 9> kNames{"ppp", "pp", "p",   "mp", "mf",
                                                       "f",   "ff", "fff", "sf"};
    return code >= DynamicMark::PPP && code <= DynamicMark::SF ? kNames[static_cast<size_t>(code)]
                                                               : nullptr;
}

// 132 for 132.0, 130.5 for 130.5.
std::string Decimal(double value) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%g", value);
    return text.data();
}

const char* KindName(int quality) {
    switch (quality) {
        case 1:
            return "minor";
        case 2:
            return "dominant";
        default:
            return "major";
    }
}

const char* KindText(int quality) {
    switch (quality) {
        case 1:
            return "m";
        case 2:
            return "7";
        default:
            return "";
    }
}

}  // namespace

MusicXmlPartWriter::MusicXmlPartWriter(XmlOutput& out, const Song& song, const Track& track,
                                       Ids ids)
    : m_out(out), m_song(song), m_track(track), m_ids(std::move(ids)) {}

void MusicXmlPartWriter::Write() {
    m_out.Open("part");
    m_out.Attribute("id", m_ids.part);
    m_wordOpen = false;
    for (int index = 0; index < m_song.GetNumBars(); ++index) {
        WriteMeasure(index);
    }
    m_out.Close();
}

void MusicXmlPartWriter::WriteMeasure(int index) {
    m_measure = index;
    m_out.Open("measure");
    m_out.Attribute("number", index + 1);
    if (index == 0) {
        WriteAttributes();
        if (m_giveTempo) {
            WriteTempo();
        }
    }
    if (const auto* bar = dynamic_cast<const NoteBar*>(m_track.GetBar(index))) {
        WriteBar(*bar);
    } else {
        WriteRestMeasure();
    }
    if (index + 1 == m_song.GetNumBars()) {
        WriteFinalBarline();
    }
    m_out.Close();
}

void MusicXmlPartWriter::WriteAttributes() {
    const Song::TimeSignature time = m_song.GetTimeSignature();
    m_out.Open("attributes");
    m_out.Element("divisions", MusicXmlRhythm::kDivisionsPerQuarter);
    m_out.Open("key");
    m_out.Element("fifths", m_track.IsPercussion() ? 0 : m_song.GetKeySignature());
    m_out.Close();
    m_out.Open("time");
    m_out.Element("beats", time.numerator);
    m_out.Element("beat-type", time.denominator);
    m_out.Close();
    WriteClef();
    if (m_track.IsPercussion()) {
        m_out.Open("staff-details");
        m_out.Element("staff-lines", 1);
        m_out.Close();
    }
    m_out.Close();
}

void MusicXmlPartWriter::WriteClef() {
    m_out.Open("clef");
    if (m_track.IsPercussion()) {
        m_out.Element("sign", "percussion");
    } else if (m_track.GetTrackType() == BassTrack) {
        m_out.Element("sign", "F");
        m_out.Element("line", 4);
    } else {
        m_out.Element("sign", "G");
        m_out.Element("line", 2);
    }
    m_out.Close();
}

void MusicXmlPartWriter::WriteTempo() {
    // The song's tempo counts its beat: half notes in x/2, dotted quarters in
    // x/8, quarter notes otherwise; <sound> always counts quarters.
    const int unit = m_song.GetTimeSignature().denominator;
    const int tempo = m_song.GetTempo();
    const double quarters = unit == 2 ? tempo * 2.0 : unit == 8 ? tempo * 1.5 : tempo;
    m_out.Open("direction");
    m_out.Attribute("placement", "above");
    m_out.Open("direction-type");
    m_out.Open("metronome");
    m_out.Element("beat-unit", unit == 2 ? "half" : "quarter");
    if (unit == 8) {
        m_out.Empty("beat-unit-dot");
    }
    m_out.Element("per-minute", tempo);
    m_out.Close();
    m_out.Close();
    m_out.Open("sound");
    m_out.Attribute("tempo", Decimal(quarters));
    m_out.Close();
    m_out.Close();
}

void MusicXmlPartWriter::WriteRestMeasure() {
    WriteHarmonies(m_measure, 0, m_song.GetNumOfStepsPerBar());
    m_out.Open("note");
    m_out.Open("rest");
    m_out.Attribute("measure", "yes");
    m_out.Close();
    m_out.Element("duration", m_song.GetNumOfStepsPerBar());
    m_out.Element("voice", 1);
    m_out.Close();
}

void MusicXmlPartWriter::WriteBar(const NoteBar& bar) {
    const MusicXmlBeams beams(bar);
    for (const NoteChord* chord = bar.FirstChord(); chord != nullptr;
         chord = bar.ChordAfter(*chord)) {
        if (chord->GetNoteCount() == 0) {
            continue;
        }
        WriteHarmonies(m_measure, chord->GetStep(), chord->GetEndStep() + 1);
        WriteMarks(bar, chord->GetStep());
        WriteChord(bar, *chord, beams);
    }
}

void MusicXmlPartWriter::WriteChord(const NoteBar& bar, const NoteChord& chord,
                                    const MusicXmlBeams& beams) {
    // A drum bar sounds one drum; extra notes would only repeat it.
    const int count = m_track.IsPercussion() ? 1 : chord.GetNoteCount();
    for (int i = 0; i < count; ++i) {
        WriteNote(bar, chord, i, beams);
    }
}

void MusicXmlPartWriter::WriteNote(const NoteBar& bar, const NoteChord& chord, int index,
                                   const MusicXmlBeams& beams) {
    const Note& note = *chord.GetNote(index);
    const bool first = index == 0;
    const MusicXmlRhythm::Rhythm rhythm = MusicXmlRhythm::Of(bar, chord);
    m_out.Open("note");
    if (!first) {
        m_out.Empty("chord");
    }
    WritePitch(bar, note);
    m_out.Element("duration", rhythm.duration);
    if (note.IsTieMiddle() || note.IsTieEnd()) {
        m_out.Open("tie");
        m_out.Attribute("type", "stop");
        m_out.Close();
    }
    if (note.IsTieStart() || note.IsTieMiddle()) {
        m_out.Open("tie");
        m_out.Attribute("type", "start");
        m_out.Close();
    }
    if (m_track.IsPercussion() && !note.IsRest()) {
        m_out.Open("instrument");
        m_out.Attribute("id", m_ids.instrument);
        m_out.Close();
    }
    m_out.Element("voice", 1);
    if (rhythm.type != nullptr) {
        m_out.Element("type", rhythm.type);
    }
    for (int dot = 0; dot < rhythm.dots; ++dot) {
        m_out.Empty("dot");
    }
    if (!note.IsRest() && !m_track.IsPercussion()) {
        if (const char* accidental = MusicXmlPitchSpeller::AccidentalName(note.GetAccidental())) {
            m_out.Element("accidental", accidental);
        }
    }
    if (rhythm.triplet) {
        m_out.Open("time-modification");
        m_out.Element("actual-notes", 3);
        m_out.Element("normal-notes", 2);
        m_out.Close();
    }
    if (!note.IsRest() && chord.GetTimeValue(true) >= 2) {
        m_out.Element("stem", beams.StemsDown(chord) ? "down" : "up");
    }
    if (first) {
        int level = 0;
        for (const std::string& value : beams.At(chord)) {
            m_out.Open("beam");
            m_out.Attribute("number", ++level);
            m_out.Content(value);
            m_out.Close();
        }
    }
    WriteNotations(bar, chord, note, first, rhythm);
    if (first && !note.IsRest()) {
        WriteLyric(bar, chord.GetStep());
    }
    m_out.Close();
}

void MusicXmlPartWriter::WritePitch(const NoteBar& bar, const Note& note) {
    if (note.IsRest()) {
        m_out.Open("rest");
        if (note.IsWholeBarRest()) {
            m_out.Attribute("measure", "yes");
        }
        m_out.Close();
        return;
    }
    if (m_track.IsPercussion()) {
        m_out.Open("unpitched");
        m_out.Element("display-step", kDrumStep);
        m_out.Element("display-octave", kDrumOctave);
        m_out.Close();
        return;
    }
    const MusicXmlPitchSpeller::Spelling spelling = MusicXmlPitchSpeller::Spell(bar, note);
    m_out.Open("pitch");
    m_out.Element("step", std::string_view(&spelling.step, 1));
    if (spelling.alter != 0) {
        m_out.Element("alter", spelling.alter);
    }
    m_out.Element("octave", spelling.octave);
    m_out.Close();
}

void MusicXmlPartWriter::WriteNotations(const NoteBar& bar, const NoteChord& chord,
                                        const Note& note, bool first,
                                        const MusicXmlRhythm::Rhythm& rhythm) {
    const bool tupletMark = first && (rhythm.tupletStart || rhythm.tupletStop);
    const bool accent =
        first && !note.IsRest() && bar.HasMark(chord.GetStep(), DynamicMark::Accent);
    if (!note.IsTied() && !tupletMark && !accent) {
        return;
    }
    m_out.Open("notations");
    if (note.IsTieMiddle() || note.IsTieEnd()) {
        m_out.Open("tied");
        m_out.Attribute("type", "stop");
        m_out.Close();
    }
    if (note.IsTieStart() || note.IsTieMiddle()) {
        m_out.Open("tied");
        m_out.Attribute("type", "start");
        m_out.Close();
    }
    // A group of one member would both open and close its bracket; the
    // stop then comes after the start.
    for (const bool start : {true, false}) {
        if (first && (start ? rhythm.tupletStart : rhythm.tupletStop)) {
            m_out.Open("tuplet");
            m_out.Attribute("type", start ? "start" : "stop");
            m_out.Attribute("number", 1);
            if (start) {
                m_out.Attribute("bracket", "yes");
            }
            m_out.Close();
        }
    }
    if (accent) {
        m_out.Open("articulations");
        m_out.Empty("accent");
        m_out.Close();
    }
    m_out.Close();
}

void MusicXmlPartWriter::WriteMarks(const NoteBar& bar, int step) {
    const auto [begin, end] = bar.GetMarks().equal_range(step);
    for (auto mark = begin; mark != end; ++mark) {
        const int code = mark->second;
        if (const char* name = DynamicsName(code)) {
            WriteDirection(name, nullptr);
        } else if (code == DynamicMark::Cresc) {
            WriteDirection(nullptr, "cresc.");
        } else if (code == DynamicMark::Dim) {
            WriteDirection(nullptr, "dim.");
        }
    }
}

void MusicXmlPartWriter::WriteDirection(const char* dynamics, const char* words) {
    m_out.Open("direction");
    m_out.Attribute("placement", "below");
    m_out.Open("direction-type");
    if (dynamics != nullptr) {
        m_out.Open("dynamics");
        m_out.Empty(dynamics);
        m_out.Close();
    } else {
        m_out.Element("words", words);
    }
    m_out.Close();
    m_out.Close();
}

void MusicXmlPartWriter::WriteLyric(const NoteBar& bar, int step) {
    const auto found = bar.GetLyrics().find(step);
    if (found == bar.GetLyrics().end() || found->second->GetText().empty()) {
        return;
    }
    std::string text = found->second->GetText();
    const bool continues = text.size() > 1 && text.back() == '-';
    if (continues) {
        text.pop_back();
    }
    const char* syllabic =
        m_wordOpen ? (continues ? "middle" : "end") : (continues ? "begin" : "single");
    m_wordOpen = continues;
    m_out.Open("lyric");
    m_out.Attribute("number", 1);
    m_out.Element("syllabic", syllabic);
    m_out.Element("text", text);
    m_out.Close();
}

void MusicXmlPartWriter::WriteHarmonies(int barIndex, int first, int end) {
    if (m_chordTrack == nullptr) {
        return;
    }
    const auto* chords = dynamic_cast<const ChordBar*>(m_chordTrack->GetBar(barIndex));
    if (chords == nullptr) {
        return;
    }
    for (int step = first; step < end; ++step) {
        const ChordCombo* box = chords->GetBoxAt(step);
        if (box != nullptr && box->GetChordNumber() != 0) {
            WriteHarmony(box->CurrentText(), step - first);
        }
    }
}

void MusicXmlPartWriter::WriteHarmony(const std::string& name, int offset) {
    // The chord's name spells its root ("C#", "Db") and ends in its quality.
    const int quality = ChordCombo::QualityOf(name);
    int alter = 0;
    if (name.size() > 1 && name[1] == '#') {
        alter = kSemitonesPerRoot;
    } else if (name.size() > 1 && name[1] == 'b') {
        alter = -kSemitonesPerRoot;
    }
    m_out.Open("harmony");
    m_out.Attribute("print-frame", "no");
    m_out.Open("root");
    m_out.Element("root-step", std::string_view(name.data(), 1));
    if (alter != 0) {
        m_out.Element("root-alter", alter);
    }
    m_out.Close();
    m_out.Open("kind");
    m_out.Attribute("text", KindText(quality));
    m_out.Content(KindName(quality));
    m_out.Close();
    if (offset != 0) {
        m_out.Element("offset", offset);
    }
    m_out.Close();
}

void MusicXmlPartWriter::WriteFinalBarline() {
    m_out.Open("barline");
    m_out.Attribute("location", "right");
    m_out.Element("bar-style", "light-heavy");
    m_out.Close();
}
