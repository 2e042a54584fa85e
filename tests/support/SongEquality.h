#pragma once

#include <sstream>
#include <string>

#include "model/ChordBar.h"
#include "model/NoteBar.h"
#include "model/Song.h"
#include "model/StyleCombo.h"

// Structural comparison of two songs: every setting, track, bar, chord, note,
// lyric, mark, chord box and text. Answers the first difference found, as a
// path and the two values, or an empty string when the songs are equal.
// Geometry (boxes placed by the layout) is compared only when asked for.
class SongEquality {
public:
    explicit SongEquality(bool compareGeometry = false) : m_geometry(compareGeometry) {}

    std::string Difference(const Song& a, const Song& b) const {
        std::string diff;
        Check(diff, "numBars", a.GetNumBars(), b.GetNumBars());
        Check(diff, "numTracks", a.GetNumTracks(), b.GetNumTracks());
        Check(diff, "timeSignature.numerator", a.GetTimeSignature().numerator,
              b.GetTimeSignature().numerator);
        Check(diff, "timeSignature.denominator", a.GetTimeSignature().denominator,
              b.GetTimeSignature().denominator);
        Check(diff, "keySignature", a.GetKeySignature(), b.GetKeySignature());
        Check(diff, "tempo", a.GetTempo(), b.GetTempo());
        Check(diff, "title", a.GetTitleText()->GetText(), b.GetTitleText()->GetText());
        Check(diff, "author", a.GetAuthorText()->GetText(), b.GetAuthorText()->GetText());
        Check(diff, "userTexts", a.GetUserTexts().size(), b.GetUserTexts().size());
        if (!diff.empty()) {
            return diff;
        }
        for (size_t i = 0; i < a.GetUserTexts().size() && diff.empty(); ++i) {
            const UserText& x = *a.GetUserTexts()[i];
            const UserText& y = *b.GetUserTexts()[i];
            const std::string path = "userText[" + std::to_string(i) + "]";
            Check(diff, path + ".text", x.GetText(), y.GetText());
            Check(diff, path + ".x", x.GetRect().left, y.GetRect().left);
            Check(diff, path + ".y", x.GetRect().top, y.GetRect().top);
        }
        for (int t = 0; t < a.GetNumTracks() && diff.empty(); ++t) {
            diff =
                TrackDifference(*a.GetTrack(t), *b.GetTrack(t), "track[" + std::to_string(t) + "]");
        }
        return diff;
    }

    std::string TrackDifference(const Track& a, const Track& b, const std::string& path) const {
        std::string diff;
        Check(diff, path + ".trackNum", a.GetTrackNum(), b.GetTrackNum());
        Check(diff, path + ".type", a.GetTrackType(), b.GetTrackType());
        Check(diff, path + ".numBars", a.GetNumBars(), b.GetNumBars());
        Check(diff, path + ".bars", a.Bars().size(), b.Bars().size());
        Check(diff, path + ".muted", a.IsMuted(), b.IsMuted());
        Check(diff, path + ".staffHeight", a.GetStaffHeight(), b.GetStaffHeight());
        Check(diff, path + ".title", a.GetTitle(), b.GetTitle());
        Check(diff, path + ".volume", a.GetVolume(), b.GetVolume());
        Check(diff, path + ".program", a.GetMidiProgNum(), b.GetMidiProgNum());
        Check(diff, path + ".style", a.GetStyleName(), b.GetStyleName());
        for (size_t i = 0; i < a.Bars().size() && diff.empty(); ++i) {
            diff =
                BarDifference(*a.Bars()[i], *b.Bars()[i], path + ".bar[" + std::to_string(i) + "]");
        }
        return diff;
    }

    std::string BarDifference(const Bar& a, const Bar& b, const std::string& path) const {
        std::string diff;
        Check(diff, path + ".class", std::string(a.GetClassName()), std::string(b.GetClassName()));
        Check(diff, path + ".index", a.GetIndex(), b.GetIndex());
        Check(diff, path + ".steps", a.GetSteps(), b.GetSteps());
        if (m_geometry) {
            CheckBox(diff, path + ".box", a.GetBox(), b.GetBox());
        }
        if (!diff.empty()) {
            return diff;
        }
        if (const auto* x = dynamic_cast<const NoteBar*>(&a)) {
            return NoteBarDifference(*x, static_cast<const NoteBar&>(b), path);
        }
        if (const auto* x = dynamic_cast<const ChordBar*>(&a)) {
            return ChordBarDifference(*x, static_cast<const ChordBar&>(b), path);
        }
        return diff;
    }

private:
    std::string NoteBarDifference(const NoteBar& a, const NoteBar& b,
                                  const std::string& path) const {
        std::string diff;
        Check(diff, path + ".marks", MarksText(a), MarksText(b));
        Check(diff, path + ".lyrics", a.GetLyrics().size(), b.GetLyrics().size());
        for (int s = 0; s < a.GetSteps() && diff.empty(); ++s) {
            const std::string at = path + ".step[" + std::to_string(s) + "]";
            const NoteChord* x = a.GetChordAt(s);
            const NoteChord* y = b.GetChordAt(s);
            Check(diff, at + ".hasChord", x != nullptr, y != nullptr);
            if (x != nullptr && y != nullptr) {
                Check(diff, at + ".notes", x->GetNoteCount(), y->GetNoteCount());
                for (int n = 0; n < x->GetNoteCount() && diff.empty(); ++n) {
                    diff = NoteDifference(*x->GetNote(n), *y->GetNote(n),
                                          at + ".note[" + std::to_string(n) + "]");
                }
            }
            const auto lx = a.GetLyrics().find(s);
            const auto ly = b.GetLyrics().find(s);
            Check(diff, at + ".hasLyric", lx != a.GetLyrics().end(), ly != b.GetLyrics().end());
            if (diff.empty() && lx != a.GetLyrics().end()) {
                Check(diff, at + ".lyric", lx->second->GetText(), ly->second->GetText());
            }
        }
        return diff;
    }

    std::string NoteDifference(const Note& a, const Note& b, const std::string& path) const {
        std::string diff;
        Check(diff, path + ".step", a.GetStep(), b.GetStep());
        Check(diff, path + ".letter", a.GetLetter(), b.GetLetter());
        Check(diff, path + ".octave", a.GetOctave(), b.GetOctave());
        Check(diff, path + ".length", a.GetLength(), b.GetLength());
        Check(diff, path + ".accidental", a.GetAccidental(), b.GetAccidental());
        Check(diff, path + ".dotted", a.IsDotted(), b.IsDotted());
        Check(diff, path + ".tieMode", a.GetTieMode(), b.GetTieMode());
        Check(diff, path + ".triplet", a.IsTriplet(), b.IsTriplet());
        Check(diff, path + ".tripletLength", a.GetTripletLength(), b.GetTripletLength());
        Check(diff, path + ".clef", a.NoteClefCode(), b.NoteClefCode());
        if (m_geometry) {
            CheckBox(diff, path + ".box", a.GetBox(), b.GetBox());
        }
        return diff;
    }

    std::string ChordBarDifference(const ChordBar& a, const ChordBar& b,
                                   const std::string& path) const {
        std::string diff;
        for (int s = 0; s < a.GetSteps() && diff.empty(); ++s) {
            const std::string at = path + ".box[" + std::to_string(s) + "]";
            const ChordCombo* x = a.GetBoxAt(s);
            const ChordCombo* y = b.GetBoxAt(s);
            Check(diff, at + ".exists", x != nullptr, y != nullptr);
            if (x != nullptr && y != nullptr) {
                Check(diff, at + ".chord", x->CurrentText(), y->CurrentText());
                Check(diff, at + ".subStyle", x->GetSubStyle(), y->GetSubStyle());
                Check(diff, at + ".sharps", x->UsesSharps(), y->UsesSharps());
                Check(diff, at + ".step", x->GetStep(), y->GetStep());
            }
        }
        return diff;
    }

    static std::string MarksText(const NoteBar& bar) {
        std::ostringstream out;
        for (const auto& [step, code] : bar.GetMarks()) {
            out << step << ":" << code << " ";
        }
        return out.str();
    }

    template <typename T>
    static void Check(std::string& diff, const std::string& path, const T& a, const T& b) {
        if (diff.empty() && !(a == b)) {
            std::ostringstream out;
            out << path << ": " << a << " != " << b;
            diff = out.str();
        }
    }

    static void CheckBox(std::string& diff, const std::string& path, const Box& a, const Box& b) {
        Check(diff, path + ".x", a.x, b.x);
        Check(diff, path + ".y", a.y, b.y);
        Check(diff, path + ".width", a.width, b.width);
        Check(diff, path + ".height", a.height, b.height);
    }

    bool m_geometry;
};
