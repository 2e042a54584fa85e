#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "model/ChordBar.h"
#include "model/NoteBar.h"
#include "model/Song.h"
#include "support/SongEquality.h"

// What SongEquality leaves out, for checking that a song made again from an
// undo record is the song that was recorded: every object's parent (its owner
// in its own song) and observers, the rectangles and layout sizes of texts and
// controls, and the controls' own state (channels, items, the slider's drag
// flag). Observers are compared as the lists of (observer, aspect) they hold,
// except that a chord box reporting to its own bar counts as the same in both
// songs; the song's own observers are left out, as copies start without them.
// Answers the first difference as a path and the two values, or "".
class SongFidelity {
public:
    std::string Difference(const Song& a, const Song& b) const {
        std::string diff = SongEquality(true).Difference(a, b);
        Check(diff, "song.box", BoxText(a.GetBox()), BoxText(b.GetBox()));
        TextDifference(diff, "title", *a.GetTitleText(), *b.GetTitleText(), &a, &b);
        TextDifference(diff, "author", *a.GetAuthorText(), *b.GetAuthorText(), &a, &b);
        for (size_t i = 0; i < a.GetUserTexts().size() && diff.empty(); ++i) {
            TextDifference(diff, "userText[" + std::to_string(i) + "]", *a.GetUserTexts()[i],
                           *b.GetUserTexts()[i], &a, &b);
        }
        for (int t = 0; t < a.GetNumTracks() && diff.empty(); ++t) {
            TrackDifference(diff, "track[" + std::to_string(t) + "]", *a.GetTrack(t),
                            *b.GetTrack(t), a, b);
        }
        return diff;
    }

private:
    void TrackDifference(std::string& diff, const std::string& path, const Track& a, const Track& b,
                         const Song& songA, const Song& songB) const {
        Check(diff, path + ".parent", a.GetParent() == &songA, b.GetParent() == &songB);
        Check(diff, path + ".observers", Observers(a, nullptr), Observers(b, nullptr));
        Check(diff, path + ".box", BoxText(a.GetBox()), BoxText(b.GetBox()));
        if (a.GetTitleText() != nullptr && b.GetTitleText() != nullptr) {
            TextDifference(diff, path + ".title", *a.GetTitleText(), *b.GetTitleText(), &a, &b);
        }
        Check(diff, path + ".selector", ComboText(a.GetSelector(), &a),
              ComboText(b.GetSelector(), &b));
        Check(diff, path + ".slider", SliderText(a.GetVolumeSlider(), &a),
              SliderText(b.GetVolumeSlider(), &b));
        for (size_t i = 0; i < a.Bars().size() && diff.empty(); ++i) {
            BarDifference(diff, path + ".bar[" + std::to_string(i) + "]", *a.Bars()[i],
                          *b.Bars()[i], a, b);
        }
    }

    void BarDifference(std::string& diff, const std::string& path, const Bar& a, const Bar& b,
                       const Track& trackA, const Track& trackB) const {
        Check(diff, path + ".parent", a.GetParent() == &trackA, b.GetParent() == &trackB);
        Check(diff, path + ".observers", Observers(a, nullptr), Observers(b, nullptr));
        const auto* notesA = dynamic_cast<const NoteBar*>(&a);
        const auto* notesB = dynamic_cast<const NoteBar*>(&b);
        if (notesA != nullptr && notesB != nullptr) {
            NoteBarDifference(diff, path, *notesA, *notesB);
        }
        const auto* chordsA = dynamic_cast<const ChordBar*>(&a);
        const auto* chordsB = dynamic_cast<const ChordBar*>(&b);
        if (chordsA != nullptr && chordsB != nullptr) {
            for (int s = 0; s < a.GetSteps() && diff.empty(); ++s) {
                Check(diff, path + ".box[" + std::to_string(s) + "]",
                      ComboText(chordsA->GetBoxAt(s), chordsA),
                      ComboText(chordsB->GetBoxAt(s), chordsB));
            }
        }
    }

    void NoteBarDifference(std::string& diff, const std::string& path, const NoteBar& a,
                           const NoteBar& b) const {
        for (int s = 0; s < a.GetSteps() && diff.empty(); ++s) {
            const NoteChord* x = a.GetChordAt(s);
            const NoteChord* y = b.GetChordAt(s);
            if (x == nullptr || y == nullptr) {
                continue;
            }
            const std::string at = path + ".step[" + std::to_string(s) + "]";
            Check(diff, at + ".parent", x->GetParent() == &a, y->GetParent() == &b);
            Check(diff, at + ".observers", Observers(*x, nullptr), Observers(*y, nullptr));
            for (int n = 0; n < x->GetNoteCount() && diff.empty(); ++n) {
                const Note& p = *x->GetNote(n);
                const Note& q = *y->GetNote(n);
                const std::string note = at + ".note[" + std::to_string(n) + "]";
                Check(diff, note + ".parent", p.GetParent() == x, q.GetParent() == y);
                Check(diff, note + ".observers", Observers(p, nullptr), Observers(q, nullptr));
                Check(diff, note + ".highlighted", p.IsHighlighted(), q.IsHighlighted());
            }
        }
        for (auto x = a.GetLyrics().begin(), y = b.GetLyrics().begin();
             x != a.GetLyrics().end() && y != b.GetLyrics().end() && diff.empty(); ++x, ++y) {
            TextDifference(diff, path + ".lyric[" + std::to_string(x->first) + "]", *x->second,
                           *y->second, &a, &b);
        }
    }

    void TextDifference(std::string& diff, const std::string& path, const FloatingText& a,
                        const FloatingText& b, const SelObject* ownerA,
                        const SelObject* ownerB) const {
        Check(diff, path + ".class", std::string(a.GetClassName()), std::string(b.GetClassName()));
        Check(diff, path + ".text", a.GetText(), b.GetText());
        Check(diff, path + ".key", a.GetKey(), b.GetKey());
        Check(diff, path + ".parent", a.GetParent() == ownerA, b.GetParent() == ownerB);
        Check(diff, path + ".observers", Observers(a, nullptr), Observers(b, nullptr));
        Check(diff, path + ".rect", RectText(a.GetRect()), RectText(b.GetRect()));
        Check(diff, path + ".layoutSize", a.GetLayoutSize().width, b.GetLayoutSize().width);
        Check(diff, path + ".layoutSize", a.GetLayoutSize().height, b.GetLayoutSize().height);
        Check(diff, path + ".font", a.GetNormalFont().height, b.GetNormalFont().height);
        Check(diff, path + ".hoverable", a.IsHoverable(), b.IsHoverable());
    }

    // A selector or chord box as one line; its owner stands for "its bar" or
    // "its track" among its observers.
    static std::string ComboText(const FloatingCombo* combo, const SelObject* owner) {
        if (combo == nullptr) {
            return "none";
        }
        std::ostringstream out;
        out << combo->GetClassName() << " index " << combo->GetIndex() << " of "
            << combo->ItemCount() << " '" << combo->CurrentText() << "' channel "
            << combo->GetChannel() << " rect " << RectText(combo->GetRect()) << " parent "
            << (combo->GetParent() == owner ? "owner" : "other") << " halo " << combo->HasHalo()
            << " observers " << Observers(*combo, dynamic_cast<const Observer*>(owner));
        if (const auto* box = dynamic_cast<const ChordCombo*>(combo)) {
            out << " step " << box->GetStep() << " subStyle " << box->GetSubStyle() << " sharps "
                << box->UsesSharps();
        }
        return out.str();
    }

    static std::string SliderText(const VolumeSlider* slider, const SelObject* owner) {
        if (slider == nullptr) {
            return "none";
        }
        std::ostringstream out;
        out << "value " << slider->GetValue() << " channel " << slider->GetChannel() << " changed "
            << slider->IsChanged() << " rect " << RectText(slider->GetRect()) << " parent "
            << (slider->GetParent() == owner ? "owner" : "other") << " observers "
            << Observers(*slider, nullptr);
        return out.str();
    }

    static std::string Observers(const Subject& subject, const Observer* owner) {
        std::ostringstream out;
        if (const auto& list = subject.GetRegistrations()) {
            for (const Subject::Registration& entry : *list) {
                if (entry.observer == owner) {
                    out << "owner";
                } else {
                    out << static_cast<const void*>(entry.observer);
                }
                out << "@" << static_cast<int>(entry.aspect) << " ";
            }
        }
        return out.str();
    }

    static std::string RectText(const Rect& r) {
        std::ostringstream out;
        out << r.left << "," << r.top << "," << r.right << "," << r.bottom;
        return out.str();
    }

    static std::string BoxText(const Box& b) {
        std::ostringstream out;
        out << b.x << "," << b.y << " " << b.width << "x" << b.height;
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
};
