#pragma once

class SelObject;
class Song;

// Finds out whether a floating control (a text box, selector or volume
// slider) still belongs to a song, by walking the song's own controls rather
// than trusting the pointer: an editor held open over a control must not
// touch it after an edit deleted it (a lyric swallowed by a longer note, a
// free text erased). Compares addresses only; never reads through the
// pointer.
class SongMembers {
public:
    static bool Holds(const Song& song, const SelObject* control);

private:
    static bool TrackHolds(const Song& song, int slot, const SelObject* control);
};
