#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "model/Geometry.h"
#include "model/RecordBytes.h"
#include "model/SelObject.h"
#include "model/Undoable.h"

class Song;

// One recorded state of a song, as the undo history keeps it. The bulk of a
// song (its bars with their chords, notes, lyrics, marks and chord boxes) is
// written field by field into flat bytes (RecordBytes); the few objects a
// song or track has only one of (title and author, free texts, track titles,
// selectors and sliders) are kept as copies beside them; each object's
// observers are an index into a short table of the distinct registration
// lists. Making one walks the song once and allocates one block per 64 KiB of
// fields and one per kept control, not one per note; dropping one frees just
// those. A record never changes, so copies of it share it. Rebuild makes a
// new song equal to the recorded one in every field, geometry and observers
// included, as the song's copy constructor would have: the song itself starts
// unobserved, its chord boxes report to their new bar, and no accompaniment
// is generated.
class SongRecord : public Undoable {
public:
    // What a record holds; the writer fills it, the reader reads it.
    struct Data {
        RecordBytes bytes;
        // The distinct observer lists; index 0 is none.
        std::vector<Subject::SharedRegistrations> observerLists{nullptr};
        // Title, author, free texts, then each track's title, selector and
        // slider, in the order the bytes name them.
        std::vector<std::unique_ptr<const SelObject>> controls;
    };

    // The field layouts written into the bytes, in that order: the song, its
    // tracks, each track's bars, each bar's content. Every field is 32 bits
    // or an explicit byte, so no layout carries padding.
    struct SongFields {
        std::int32_t numBars;
        std::int32_t numerator;
        std::int32_t denominator;
        std::int32_t keySignature;
        std::int32_t tempo;
        Box box;
        std::int32_t userTexts;
        std::int32_t tracks;
    };
    struct TrackFields {
        std::int32_t trackNum;
        std::int32_t numBars;
        std::int32_t trackType;
        std::int32_t staffHeight;
        Box box;
        std::uint32_t observers;
        std::int32_t bars;
        std::uint8_t muted;
        std::uint8_t hasTitle;
        std::uint8_t hasSelector;
        std::uint8_t hasSlider;
    };
    enum BarKind : std::int32_t { TrebleBar = 0, BassBar = 1, DrumBar = 2, ChordsBar = 3 };
    // Note bars follow with their chords (each with its notes), lyrics and
    // marks; chord bars with their boxes.
    struct BarFields {
        std::int32_t kind;
        std::int32_t index;
        Box box;
        std::uint32_t observers;
        std::int32_t items;
        std::int32_t lyrics;
        std::int32_t marks;
    };
    struct ChordFields {
        std::int32_t step;
        std::int32_t notes;
        std::uint32_t observers;
    };
    struct NoteFields {
        std::int32_t step;
        std::int32_t octave;
        std::int32_t length;
        std::int32_t accidental;
        std::int32_t tieMode;
        std::int32_t tripletLength;
        std::int32_t clef;
        Box box;
        std::uint32_t observers;
        char letter;
        std::uint8_t dotted;
        std::uint8_t triplet;
        std::uint8_t unused;
    };
    // The text's bytes follow.
    struct LyricFields {
        std::int32_t step;
        Rect rect;
        Size layoutSize;
        std::uint32_t observers;
        std::int32_t textLength;
    };
    struct MarkFields {
        std::int32_t step;
        std::int32_t code;
    };
    struct ChordBoxFields {
        std::int32_t step;
        std::int32_t index;
        std::int32_t subStyle;
        std::int32_t channel;
        Rect rect;
        std::uint8_t sharps;
        std::uint8_t unused[3];
    };

    // Records the song as it stands now.
    static std::unique_ptr<SongRecord> Of(const Song& song);
    explicit SongRecord(std::shared_ptr<const Data> data) : m_data(std::move(data)) {}

    // Another record of the same state, sharing this one's data.
    std::unique_ptr<Undoable> Snapshot() const override;
    // A new song equal to the recorded one, owned by the caller.
    std::unique_ptr<Song> Rebuild() const;

    const Data& GetData() const { return *m_data; }

private:
    std::shared_ptr<const Data> m_data;
};
