#pragma once

#include "model/Color.h"

// Every colour the score, its controls and the desk are drawn in, each named
// once for what it colours; DrawResources' pens and brushes take theirs from
// here too.
namespace Palette {

// The music and every plain text: notes, rests, stems, beams, ties, staff and
// bar lines, combo texts, bar numbers, page labels.
inline constexpr Color kInk{0, 0, 0};
// The page, and the halo that clears staff lines from behind combo and slider
// texts.
inline constexpr Color kPaper{255, 255, 255};

// What the pointer is over (note heads, combo texts and the empty chord box's
// "::" hint, the volume slider's outline), and a hovered or selected track
// title or lyric.
inline constexpr Color kHover{0, 0, 255};
// Selected note heads on screen; also DrawResources' green pen.
inline constexpr Color kSelected{17, 170, 0};
// Note heads sounding during playback, on screen.
inline constexpr Color kPlaying{255, 25, 5};
// The fill behind a selected bar, on screen.
inline constexpr Color kSelectedBar{240, 240, 255};

// The accent mark over or under a note head.
inline constexpr Color kAccent{0, 120, 0};

// Title and author, at rest and when hovered or selected.
inline constexpr Color kSongText{174, 35, 0};
inline constexpr Color kSongTextActive{221, 45, 0};
// Free texts on the page, at rest and when hovered or selected.
inline constexpr Color kUserText{240, 118, 0};
inline constexpr Color kUserTextActive{255, 142, 30};
// The hint an empty text box shows on screen, when hovered, and its halo.
inline constexpr Color kPlaceholder{220, 220, 220};
inline constexpr Color kPlaceholderHover{108, 108, 255};
inline constexpr Color kPlaceholderHalo{240, 240, 240};

// The frame of a chord box, on screen.
inline constexpr Color kChordFrame{220, 220, 255};
// The accompaniment's sub-styles, in the squares of the chord boxes.
inline constexpr Color kSubStyleA{113, 164, 240};
inline constexpr Color kSubStyleB{250, 124, 12};
inline constexpr Color kSubStyleIntro{87, 193, 23};
inline constexpr Color kSubStyleFillIn{162, 104, 26};
inline constexpr Color kSubStyleEnding{226, 7, 7};
// The letters in the sub-style squares.
inline constexpr Color kSubStyleLabel{255, 255, 255};

// The volume slider: the groove, the level filled in it (brighter while the
// slider is hovered or selected), the percentage and the speaker icon.
inline constexpr Color kSliderGroove{255, 255, 255};
inline constexpr Color kSliderGrooveEdge{230, 230, 230};
inline constexpr Color kSliderLevel{240, 230, 230};
inline constexpr Color kSliderLevelEdge{215, 187, 187};
inline constexpr Color kSliderLevelActive{220, 210, 255};
inline constexpr Color kSliderLabel{0, 0, 200};
inline constexpr Color kSliderIcon{200, 200, 200};

// The disc under a bar's number, and its shadow.
inline constexpr Color kBarNumber{220, 220, 255};
inline constexpr Color kBarNumberShadow{200, 200, 215};

// The screen's desk behind the pages, the pages' shadows, the band at the top
// of each page (fading into kPaper) and the page's edge.
inline constexpr Color kDesk{147, 190, 215};
inline constexpr Color kPageShadow{52, 86, 129};
inline constexpr Color kPageHeader{213, 224, 238};
inline constexpr Color kPageEdge{0, 0, 0};

// DrawResources' pale green brush, which nothing draws with yet.
inline constexpr Color kPaleGreen{250, 255, 250};

}  // namespace Palette
