#include "tools/StyleCatalog.h"

// How to read the tables: every part lists five lines, one per section:
//   { A, B, intro, fill-in, ending }
// Each line is one bar of equal cells (see PatternLine): eight cells in 4/4
// are eighths, sixteen are sixteenths, twelve are triplet eighths. Degrees
// (1 root, 3 third, 5 fifth, 8 upper root or, on seventh chords, the seventh)
// make the major, minor and seventh variations from the same line; "x" plays
// a chords part's voicing or a drum. "," and "'" move a degree an octave down
// or up. Spaces and "|" only group cells by beats.
//
// What the sections are for: A and B are the grooves (B a little busier);
// the intro leads in, thinner, with a drum pick-up on its last beat; the
// fill-in is busier, with a run in the bass; the ending holds a final chord
// under a crash and then stays silent.

namespace {

using Sections = std::array<const char*, 5>;

// General MIDI programs.
constexpr int kPiano = 0;
constexpr int kOverdrivenGuitar = 29;
constexpr int kAcousticBass = 32;
constexpr int kFingeredBass = 33;
constexpr int kPickedBass = 34;
constexpr int kStrings = 48;
constexpr int kTuba = 58;

// General MIDI drum keys.
constexpr int kKick = 36;
constexpr int kSideStick = 37;
constexpr int kSnare = 38;
constexpr int kClosedHiHat = 42;
constexpr int kHighFloorTom = 43;
constexpr int kPedalHiHat = 44;
constexpr int kLowTom = 45;
constexpr int kOpenHiHat = 46;
constexpr int kCrash = 49;
constexpr int kHighTom = 50;
constexpr int kRide = 51;

// The bass's root is the C a bass guitar plays on its A string (key 36), so
// chords from Ab to G# keep it within the instrument.
constexpr int kBassOctave = 3;

StylePart Bass(const char* title, int program, int volume, Sections lines) {
    return {title, PartKind::Bass, program, volume, kBassOctave, "", lines};
}

StylePart Chords(const char* title, int program, int volume, int rootOctave, const char* voicing,
                 Sections lines) {
    return {title, PartKind::Chords, program, volume, rootOctave, voicing, lines};
}

StylePart Drum(const char* title, int key, int volume, Sections lines) {
    return {title, PartKind::Drum, key, volume, 0, "", lines};
}

StyleDescription Pop() {
    return {
        "Pop",
        "Pop eight-beat",
        4,
        4,
        100,
        {
            Bass("Bass", kFingeredBass, 85,
                 {"1- -1 1- 5,-", "1- .1 3- 5-", "1- -- 5,- --", "1- .1 35 68", "1- -- -- .."}),
            Chords("Piano", kPiano, 70, 5, "1 3 5 8",
                   {"x- .x -. x-", "x- xx -x x-", "x- -- -- --", "x- .x x. x.", "x- -- -- .."}),
            Drum("Kick", kKick, 75,
                 {"x. .. xx ..", "x. .x x. x.", "x. .. x. ..", "x. .. x. ..", "x. .. .. .."}),
            Drum("Snare", kSnare, 70,
                 {".. x. .. x.", ".. x. .. x.", ".... .... .... xxxx", ".... x... xxxx ....", ""}),
            Drum("Closed Hi-Hat", kClosedHiHat, 55,
                 {"xx xx xx xx", "xx xx xx x.", "x. x. x. ..", "xx xx .. ..", ""}),
            Drum("Open Hi-Hat", kOpenHiHat, 50, {"", ".. .. .. .x", "", "", ""}),
            Drum("High Tom", kHighTom, 65, {"", "", "", ".... .... .... xx..", ""}),
            Drum("Low Tom", kLowTom, 65, {"", "", "", ".... .... .... ..xx", ""}),
            Drum("Crash", kCrash, 60, {"", "", "", "", "x..."}),
        }};
}

StyleDescription Rock() {
    return {"Rock",
            "Rock beat",
            4,
            4,
            120,
            {
                Bass("Bass", kPickedBass, 85,
                     {"11 11 11 11", "11 11 33 55", "1- -- -- --", "1-1- 1-1- 3-5- 6532",
                      "1- -- -- .."}),
                Chords("Guitar", kOverdrivenGuitar, 65, 4, "5 8 3' 5'",
                       {"x- -x x- -x", "xx xx xx xx", "x- -- x- --", "x- -x x. x.", "x- -- -- .."}),
                Drum("Kick", kKick, 80,
                     {"x. .x x. ..", "x. .x x. x.", "x. .. x. ..", "x. .. x. ..", "x. .. .. .."}),
                Drum("Snare", kSnare, 75,
                     {".. x. .. x.", ".. x. .. x.", ".. x. .. xx", ".... x... xxxx ....", ""}),
                Drum("Closed Hi-Hat", kClosedHiHat, 55,
                     {"xx xx xx xx", "", "xx xx xx xx", "xx xx .. ..", ""}),
                Drum("Ride", kRide, 55, {"", "xx xx xx xx", "", "", ""}),
                Drum("High Tom", kHighTom, 65, {"", "", "", ".... .... .... xx..", ""}),
                Drum("Floor Tom", kHighFloorTom, 65, {"", "", "", ".... .... .... ..xx", ""}),
                Drum("Crash", kCrash, 65, {"", "", "", "", "x..."}),
            }};
}

StyleDescription Ballad() {
    return {
        "Ballad",
        "Ballad",
        4,
        4,
        72,
        {
            Bass("Bass", kFingeredBass, 80,
                 {"1- -- 5,- --", "1- -- 3- 5-", "1- -- -- --", "1- -5, 6,- 7,-", "1- -- -- --"}),
            Chords("Piano", kPiano, 65, 4, "1 5 8 3'",
                   {"15 83' 5'3' 85", "15 83' x- x-", "15 83' 5'- --", "15 83' x. x.",
                    "15 83' x- --"}),
            Chords("Strings", kStrings, 50, 4, "5 8 3'",
                   {"x- -- -- --", "x- -- -- --", "x- -- -- --", "x- -- -- --", "x- -- -- --"}),
            Drum("Kick", kKick, 60,
                 {"x. .. .x ..", "x. .. xx ..", "", "x. .. x. ..", ".. .. x. .."}),
            Drum("Side Stick", kSideStick, 55, {".. x. .. x.", "", "", "", ""}),
            Drum("Snare", kSnare, 60,
                 {"", ".. x. .. x.", ".... .... .... ..xx", ".... .... xxxx xx..", ""}),
            Drum("Closed Hi-Hat", kClosedHiHat, 45,
                 {"xx xx xx xx", "xx xx xx xx", "", "xx xx .. ..", ""}),
            Drum("Low Tom", kLowTom, 60, {"", "", "", ".... .... .... ..xx", ""}),
            Drum("Crash", kCrash, 55, {"", "", "", "", ".. .. x. .."}),
        }};
}

StyleDescription Swing() {
    // Swung eighths are triplet eighths: "x.x" is the long-short pair of a beat.
    return {
        "Swing",
        "Swing",
        4,
        4,
        140,
        {
            Bass("Bass", kAcousticBass, 85,
                 {"1 2 3 5", "1 3 5 8", "1- 5,-", "1-- 3-- 4-- 567", "1--."}),
            Chords("Piano", kPiano, 60, 5, "5, 8, 3 5",
                   {"x-- ..x ... ...", ".x.x", "x.x.", "x-- ..x ..x ..x", "x--."}),
            Drum("Ride", kRide, 55,
                 {"x.. x.x x.. x.x", "x.. x.x x.. x.x", "x.. x.x x.. x.x", "x.. x.x ... ...", ""}),
            Drum("Pedal Hi-Hat", kPedalHiHat, 45, {".x.x", ".x.x", ".x.x", ".x..", ""}),
            Drum("Kick", kKick, 45, {"x...", "x.x.", "x...", "x.xx", "x..."}),
            Drum("Snare", kSnare, 50,
                 {"", "... ..x ... ..x", "... ... ... xxx", "... ... xxx xxx", ""}),
            Drum("Crash", kCrash, 55, {"", "", "", "", "x..."}),
        }};
}

StyleDescription Waltz() {
    // Oom-pah-pah: the bass on one, the chords on two and three.
    return {"Waltz",
            "Waltz",
            3,
            4,
            140,
            {
                Bass("Bass", kAcousticBass, 80, {"1..", "1.5,", "1--", "1- 35 68", "1--"}),
                Chords("Piano", kPiano, 60, 5, "5, 8, 3",
                       {".xx", ".. x. xx", "x--", ".. x. x.", "x-."}),
                Chords("Strings", kStrings, 45, 5, "3 5 8", {"", "x--", "x--", "", "x-."}),
                Drum("Kick", kKick, 60, {"x..", "x..", "x..", "x..", "x.."}),
                Drum("Snare", kSnare, 50, {".xx", ".xx", ".. .. xx", ".... x.xx xxxx", ""}),
                Drum("Closed Hi-Hat", kClosedHiHat, 40, {"xxx", "xx xx xx", "xx.", "x..", ""}),
                Drum("Crash", kCrash, 55, {"", "", "", "", "x.."}),
            }};
}

StyleDescription SlowRock() {
    // Two beats of three eighths; the piano breaks the chord up across them.
    return {
        "SlowRock",
        "6/8 slow rock",
        6,
        8,
        60,
        {
            Bass("Bass", kFingeredBass, 80, {"1-- 5,--", "1-- 3-5", "1-----", "1-- 568", "1-----"}),
            Chords("Piano", kPiano, 60, 4, "5 8 3'",
                   {"158 3'85", "158 3'5'3'", "158 3'85", "158 x.x", "158 x--"}),
            Chords("Strings", kStrings, 45, 5, "3 5 8", {"", "x-----", "x-----", "", "x-----"}),
            Drum("Kick", kKick, 60, {"x.. ...", "x.. x..", "x.. ...", "x.. ...", "x.. x.."}),
            Drum("Snare", kSnare, 55, {"... x..", "... x..", "...... ....xx", "...... xxxx..", ""}),
            Drum("Closed Hi-Hat", kClosedHiHat, 45, {"xxx xxx", "", "x.. x..", "xxx ...", ""}),
            Drum("Ride", kRide, 45, {"", "xxx xxx", "", "", ""}),
            Drum("Low Tom", kLowTom, 55, {"", "", "", "...... ....xx", ""}),
            Drum("Crash", kCrash, 55, {"", "", "", "", "... x.."}),
        }};
}

StyleDescription Polka() {
    // Oom-pah in two: root and low fifth under chords on the off-beats.
    return {"Polka",
            "Polka",
            2,
            4,
            120,
            {
                Bass("Tuba", kTuba, 80, {"1. 5,.", "1. 3.", "5,6,7,1", "1358", "5,. 1-"}),
                Chords("Piano", kPiano, 60, 5, "5, 8, 3",
                       {".x.x", "..x. ..xx", "x.x.", ".x.x", "x. x-"}),
                Drum("Kick", kKick, 60, {"x.x.", "x.x.", "x...", "x...", "x.x."}),
                Drum("Snare", kSnare, 50, {".x.x", ".x.x", ".... xxxx", "..xx xxxx", ""}),
                Drum("Crash", kCrash, 55, {"", "", "", "", "..x."}),
            }};
}

StyleDescription March() {
    // Cut time: two half-note beats, the cymbals with the bass drum on two.
    return {
        "March",
        "March",
        2,
        2,
        110,
        {
            Bass("Tuba", kTuba, 80, {"1.5,.", "1.3.", "1 5, 6, 7,", "1. 5,. 13 58", "5,. 1-"}),
            Chords("Piano", kPiano, 60, 5, "5, 8, 3",
                   {".x.x", ".x.x.x.x", "x.x.", ".x.x", "x. x-"}),
            Drum("Bass Drum", kKick, 65, {"x.x.", "x.x.", "x...", "x...", "x.x."}),
            Drum("Snare", kSnare, 55,
                 {"x.x. x.xx", "x.x.x.xx x.x.x.xx", "........ x.x.xxxx", "x.x.x.x. xxxxxxxx", ""}),
            Drum("Cymbals", kCrash, 50, {"..x.", "..x.", "", "", "..x."}),
        }};
}

}  // namespace

const std::vector<StyleDescription>& StyleCatalog::All() {
    static const std::vector<StyleDescription> kStyles = {Pop(),   Rock(),     Ballad(), Swing(),
                                                          Waltz(), SlowRock(), Polka(),  March()};
    return kStyles;
}
