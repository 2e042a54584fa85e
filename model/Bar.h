#pragma once

#include "model/Archive.h"
#include "model/SelObject.h"

class DeviceContext;
class Track;

// One measure of one track. Its parent is the track; its length in steps is
// the song's NumOfStepsPerBar, read once when the bar is made.
class Bar : public SelObject {
public:
    Bar(Track* track, int index, const Box& box);
    Bar(const Bar&) = default;

    // Moves the bar and everything in it to a new box.
    virtual void PlaceNotes(const Box& box) = 0;
    // Replaces this bar's content from the beat on by the source's content
    // from its start. A source of another kind is ignored.
    virtual void PasteFrom(const Bar& source, int beatOffset);
    // Makes the bar empty: one whole-bar rest, or no chords.
    virtual void ClearContent() = 0;
    // Rewrites the bar for a new key signature while the song still holds the
    // old one; false when the bar cannot take the key, and then the bar is
    // unchanged.
    virtual bool ChangeKey(int newKey, bool upward);
    // Writes the bar as a "Bar" element of the current track, or reads it
    // from the current one; a file that does not fit throws IOException.
    virtual void Serialize(Archive& archive) = 0;

    int GetIndex() const { return m_index; }
    void SetIndex(int index) { m_index = index; }
    int GetSteps() const { return m_steps; }
    const Box& GetBox() const { return m_box; }
    void SetBox(const Box& box) { m_box = box; }
    Track* GetTrack() const;

    // Ends a completed edit of the bar: hands its area to the editing state,
    // then notifies repaint (8) and content changed (10), which the editor
    // records as one undo step.
    void NotifyChanged();
    // Hands the bar's area to the editing state for repainting.
    void Repaint() const;
    // A selected bar is shaded behind its staff, so this comes before the
    // staff lines and the content; nothing is shaded on paper.
    void DrawSelection(DeviceContext& dc) const;

    // Key signatures count sharps (positive) or flats (negative), -6 to +6,
    // always naming the major key; any other value gives 0 (or none).
    // The key whose major tonic is the pitch class (C 0 ... B 11); 6 is F sharp.
    static int KeyOfTonic(int pitchClass);
    // The pitch class of the key's major tonic.
    static int TonicOfKey(int keySignature);
    // The letter rank (C 0 ... B 6) of the key's major tonic.
    static int TonicLetterOfKey(int keySignature);
    // Sharp, Flat or NoAccidental (Note's codes): what the key signature
    // writes on the letter. A letter outside A-G counts as C.
    static int KeyAccidentalFor(int keySignature, char letter);

private:
    int m_index;
    int m_steps;
    Box m_box;
};
