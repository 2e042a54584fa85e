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
// Dynamics: "X" and ">" accent a sound, "!" accents it hard, "o" and "~" make
// it a ghost note. Plain sounds play at the section's level (the intro
// softer, the fill-in and the ending louder), so backbeats, downbeats and
// the soft notes between them are written where a player would put them.
//
// Octaves: the builder folds every pitched note into the octave that keeps
// it within its instrument under every chord root, so "5," under a bass
// root is a reminder of the shape more than a promise of the register.
//
// What the sections are for: A and B are the grooves (B a little busier);
// the intro leads in, thinner, with a drum pick-up on its last beat; the
// fill-in is busier, with a run in the bass; the ending holds a final chord
// under a crash and then stays silent.

namespace {

using Sections = std::array<const char*, 5>;

// General MIDI programs.
constexpr int kPiano = 0;
constexpr int kElectricPiano = 4;
constexpr int kGlockenspiel = 9;
constexpr int kMusicBox = 10;
constexpr int kDrawbarOrgan = 16;
constexpr int kRockOrgan = 18;
constexpr int kAccordion = 21;
constexpr int kBandoneon = 23;
constexpr int kNylonGuitar = 24;
constexpr int kSteelGuitar = 25;
constexpr int kCleanGuitar = 27;
constexpr int kMutedGuitar = 28;
constexpr int kOverdrivenGuitar = 29;
constexpr int kDistortionGuitar = 30;
constexpr int kAcousticBass = 32;
constexpr int kFingeredBass = 33;
constexpr int kPickedBass = 34;
constexpr int kSlapBass = 36;
constexpr int kContrabass = 43;
constexpr int kHarp = 46;
constexpr int kStrings = 48;
constexpr int kSlowStrings = 49;
constexpr int kSynthStrings = 50;
constexpr int kTuba = 58;

// General MIDI drum keys.
constexpr int kKick = 36;
constexpr int kSideStick = 37;
constexpr int kSnare = 38;
constexpr int kHandClap = 39;
constexpr int kLowFloorTom = 41;
constexpr int kClosedHiHat = 42;
constexpr int kHighFloorTom = 43;
constexpr int kPedalHiHat = 44;
constexpr int kLowTom = 45;
constexpr int kOpenHiHat = 46;
constexpr int kCrash = 49;
constexpr int kHighTom = 50;
constexpr int kRide = 51;
constexpr int kTambourine = 54;
constexpr int kCowbell = 56;
constexpr int kHighBongo = 60;
constexpr int kMuteHighConga = 62;
constexpr int kOpenHighConga = 63;
constexpr int kLowConga = 64;
constexpr int kHighTimbale = 65;
constexpr int kLowTimbale = 66;
constexpr int kCabasa = 69;
constexpr int kMaracas = 70;
constexpr int kShortGuiro = 73;
constexpr int kClaves = 75;
constexpr int kHighWoodBlock = 76;
constexpr int kOpenTriangle = 81;

// The bass's root is the C a bass guitar plays on its A string (key 36).
constexpr int kBassOctave = 3;
// Chord parts stand around middle C (key 60).
constexpr int kChordOctave = 5;

StylePart Bass(const char* title, int program, int volume, Sections lines) {
    return {title, PartKind::Bass, program, volume, kBassOctave, "", lines};
}

StylePart Chords(const char* title, int program, int volume, const char* voicing, Sections lines) {
    return {title, PartKind::Chords, program, volume, kChordOctave, voicing, lines};
}

StylePart Drum(const char* title, int key, int volume, Sections lines) {
    return {title, PartKind::Drum, key, volume, 0, "", lines};
}

// --- 4/4 ---

StyleDescription Pop() {
    return {
        "Pop",
        "Pop eight-beat",
        4,
        4,
        100,
        {
            Bass("Bass", kFingeredBass, 85,
                 {">1- -~1 1- 5,-", ">1- .~1 3- 5-", "1- -- >5,- --", ">1- .1 35 >68",
                  "!1- -- -- .."}),
            Chords(
                "Piano", kPiano, 70, "1 3 5 8",
                {">x- .x -. x-", ">x- ~xx -x >x-", "x- -- -- --", ">x- .x >x. x.", "!x- -- -- .."}),
            Drum("Kick", kKick, 75,
                 {"X. .. x~x ..", "X. .x x. x.", "x. .. x. ..", "X. .. X. ..", "!x. .. .. .."}),
            Drum("Snare", kSnare, 70,
                 {".. X. .o X.", ".. X. .. Xo", ".... .... .... oxX!x", ".... X... oxxX ....", ""}),
            Drum("Closed Hi-Hat", kClosedHiHat, 55,
                 {"xo xo xo xo", "Xo xo Xo x.", "x. x. x. ..", "xo xo .. ..", ""}),
            Drum("Open Hi-Hat", kOpenHiHat, 50, {"", ".. .. .. .x", "", "", ""}),
            Drum("High Tom", kHighTom, 65, {"", "", "", ".... .... .... xx..", ""}),
            Drum("Low Tom", kLowTom, 65, {"", "", "", ".... .... .... ..xX", ""}),
            Drum("Crash", kCrash, 60, {"", "", "", "", "!x..."}),
        }};
}

StyleDescription Rock() {
    // Power chords on the distorted guitar; the organ holds the third.
    return {
        "Rock",
        "Rock beat",
        4,
        4,
        120,
        {
            Bass("Bass", kPickedBass, 85,
                 {">11 11 >11 11", ">11 11 >33 55", "1- -- -- --", ">1-1- 1-1- 3-5- 6532",
                  "!1- -- -- .."}),
            Chords("Guitar", kOverdrivenGuitar, 70, "5, 1 5",
                   {">x- -x >x- -x", ">x- xx >x- xx", "x- -- >x- --", ">x- -x >x. x.",
                    "!x- -- -- .."}),
            Chords("Organ", kRockOrgan, 45, "3 5 8",
                   {"x- -- -- --", ">x- -- x- --", "x- -- -- --", "x- -- x- --", "x- -- -- .."}),
            Drum("Kick", kKick, 80,
                 {"X. .x x. ..", "X. .x X. x.", "x. .. x. ..", "X. .. X. ..", "!x. .. .. .."}),
            Drum("Snare", kSnare, 75,
                 {".. X. .o X.", ".. X. o. X.", ".. x. .. >x!x", ".... X... oxxX ....", ""}),
            Drum("Closed Hi-Hat", kClosedHiHat, 55,
                 {"Xx Xx Xx Xx", "", "xo xo xo xo", "Xx Xx .. ..", ""}),
            Drum("Ride", kRide, 55, {"", "Xx Xx Xx Xx", "", "", ""}),
            Drum("High Tom", kHighTom, 65, {"", "", "", ".... .... .... xx..", ""}),
            Drum("Floor Tom", kHighFloorTom, 65, {"", "", "", ".... .... .... ..xX", ""}),
            Drum("Crash", kCrash, 65, {"", "", "", "", "!x..."}),
        }};
}

StyleDescription HardRock() {
    // Chugging eighths of power chords, a heavier kick and a crash into B.
    return {
        "HardRock",
        "Hard rock",
        4,
        4,
        132,
        {
            Bass("Bass", kPickedBass, 85,
                 {">1- 11 >1- 11", ">11 11 >11 5,5,", "1- -- -- --", ">1-1- 1-1- 3535 6532",
                  "!1- -- -- .."}),
            Chords("Guitar", kDistortionGuitar, 75, "5, 1 5",
                   {">xx xx >xx xx", "!x- -- >xx xx", "x- -- >x- --", "!x. x. >xx xx",
                    "!x- -- -- .."}),
            Chords("Organ", kRockOrgan, 45, "3 5 8",
                   {"x- -- -- --", "x- -- >x- --", "x- -- -- --", "x- -- x- --", "x- -- -- .."}),
            Drum("Kick", kKick, 84,
                 {"X. .x X. .x", "X. .x Xx .x", "x. .. x. ..", "X. X. X. X.", "!x. .. .. .."}),
            Drum("Snare", kSnare, 80,
                 {".. X. .. Xo", ".. X. .o X.", ".... .... .... >x>x!x!x", ".... XoXo XoXo ....",
                  ""}),
            Drum("Closed Hi-Hat", kClosedHiHat, 60, {"Xx Xx Xx Xx", "", "x. x. x. x.", "", ""}),
            Drum("Ride", kRide, 55, {"", ".. Xx Xx Xx", "", "", ""}),
            Drum("High Tom", kHighTom, 70, {"", "", "", ".... .... .... xx..", ""}),
            Drum("Floor Tom", kLowFloorTom, 70, {"", "", "", ".... .... .... ..xX", ""}),
            Drum("Crash", kCrash, 65, {"", "!x. .. .. ..", "", "", "!x..."}),
        }};
}

StyleDescription SoftRock() {
    return {
        "SoftRock",
        "Soft rock",
        4,
        4,
        88,
        {
            Bass("Bass", kFingeredBass, 80,
                 {">1- -~1 5- --", ">1- -~1 3- 5-", "1- -- -- --", ">1- 3- 5- 65", "!1- -- -- --"}),
            Chords("Electric Piano", kElectricPiano, 65, "5, 8, 3",
                   {">x~x x~x >x~x x~x", ">x- x- >x- xx", "x- -- -- --", ">x- x- >xx xx",
                    "!x- -- -- --"}),
            Chords("Guitar", kCleanGuitar, 50, "1 3 5 8",
                   {">15 83' 53' 85", ">15 83' >15 83'", "1- 5- 8- 3'-", "15 83' >x- x-",
                    "!x- -- -- --"}),
            Drum("Kick", kKick, 65,
                 {"X. .. x. .x", "X. .x x. .x", "", "X. .. X. ..", "!x. .. .. .."}),
            Drum("Snare", kSnare, 60,
                 {".. X. .o X.", ".. X. .o X.", ".... .... .... ..>x!x", ".... .... XoXo X!x..",
                  ""}),
            Drum("Closed Hi-Hat", kClosedHiHat, 45,
                 {"Xx xx Xx xx", "Xx xx Xx xo", "x. x. x. x.", "Xx xx Xx ..", ""}),
            Drum("Floor Tom", kHighFloorTom, 55, {"", "", "", ".... .... .... ..xX", ""}),
            Drum("Crash", kCrash, 55, {"", "", "", "", "!x..."}),
        }};
}

StyleDescription Ballad() {
    // The piano breaks the chord up from the fifth below the root to the
    // third above the octave; the strings hold it.
    return {
        "Ballad",
        "Ballad",
        4,
        4,
        72,
        {
            Bass("Bass", kFingeredBass, 80,
                 {">1- -- 5,- --", ">1- -- 3- 5-", "1- -- -- --", ">1- -5, 6,- 7,-",
                  "!1- -- -- --"}),
            Chords("Piano", kPiano, 65, "1 5 8 3'",
                   {">5,1 58 3'8 51", ">5,1 58 >x- x-", "5,1 58 3'- --", ">5,1 58 x. >x.",
                    "5,1 58 !x- --"}),
            Chords("Strings", kStrings, 50, "5, 8, 3",
                   {"x- -- -- --", ">x- -- x- --", "x- -- -- --", "x- -- -- --", "x- -- -- --"}),
            Drum("Kick", kKick, 60,
                 {"X. .. .x ..", "X. .. x~x ..", "", "X. .. x. ..", ".. .. !x. .."}),
            Drum("Side Stick", kSideStick, 55, {".. X. .. x.", "", "", "", ""}),
            Drum("Snare", kSnare, 60,
                 {"", ".. X. .o X.", ".... .... .... ..>x!x", ".... .... oxXx Xx..", ""}),
            Drum("Closed Hi-Hat", kClosedHiHat, 45,
                 {"Xo xo Xo xo", "xo Xo xo Xo", "", "xo xo .. ..", ""}),
            Drum("Low Tom", kLowTom, 60, {"", "", "", ".... .... .... ..xX", ""}),
            Drum("Crash", kCrash, 55, {"", "", "", "", ".. .. !x. .."}),
        }};
}

StyleDescription Swing() {
    // Swung eighths are triplet eighths: "x.x" is the long-short pair of a
    // beat. The piano's spread voicing keeps the fifth below the third and
    // the root or seventh on top.
    return {"Swing",
            "Swing",
            4,
            4,
            140,
            {
                Bass("Bass", kAcousticBass, 85,
                     {"1 >2 3 >5", "1 >3 5 >8", "1- >5,-", ">1-- 3-- 4-- 5>67", "!1--."}),
                Chords("Piano", kPiano, 60, "5, 3 8",
                       {">x-- ..x ... ...", ".>x.x", "x.x.", "x-- ..x ..x ..>x", "!x--."}),
                Drum("Ride", kRide, 55,
                     {"x.. >x.x x.. >x.x", ">x.. x.o >x.. x.o", "x.. ... x.. ...",
                      "x.. x.x x.. ...", ""}),
                Drum("Pedal Hi-Hat", kPedalHiHat, 45, {".x.X", ".X.x", ".x.x", ".x..", ""}),
                Drum("Kick", kKick, 45, {"x...", "x.o.", "x...", "x.x>x", "!x..."}),
                Drum("Snare", kSnare, 50,
                     {"... ..o ... ..x", "... ..o ... ..X", "... ... ... >x>x!x",
                      "... ... oxx xX!x", ""}),
                Drum("Crash", kCrash, 55, {"", "", "", "", "!x..."}),
            }};
}

StyleDescription BluesShuffle() {
    // Twelve-eight feel in 4/4: every beat is three triplet eighths, the
    // shuffle plays the first and the last.
    return {"BluesShuffle",
            "Blues shuffle",
            4,
            4,
            100,
            {
                Bass("Bass", kFingeredBass, 85,
                     {">1.~1 3.~3 5.~5 8.~5", ">1.~1 3.~3 5.~5 6.~5", "1- 5-", ">1.1 3.3 5.5 5>65",
                      "!1--."}),
                Chords("Piano", kPiano, 65, "5, 8, 3",
                       {">x.x x.x >x.x x.x", "x.. >x.. x.. >x..", "x-- ... x-- ...",
                        "x.x x.x >x.x >x>x>x", "!x--."}),
                Drum("Closed Hi-Hat", kClosedHiHat, 50,
                     {">x.x x.x >x.x x.x", "", "x.. x.. x.. x..", "x.x x.x ... ...", ""}),
                Drum("Ride", kRide, 50, {"", ">x.x x.x >x.x x.x", "", "", ""}),
                Drum("Snare", kSnare, 60,
                     {"... X.o ... X.o", "..o X.. ..o X..", "... ... ... >x>x!x",
                      "... oxx oxx xX!x", ""}),
                Drum("Kick", kKick, 65,
                     {"X.. ... x.. ...", "X.. ..x x.. ...", "x.. ... ... ...", "X.. ... X.. ...",
                      "!x..."}),
                Drum("Crash", kCrash, 55, {"", "", "", "", "!x..."}),
            }};
}

StyleDescription Boogie() {
    // The piano's left hand walks the boogie figure as the bass; the right
    // hand stabs the chord.
    return {"Boogie",
            "Boogie-woogie",
            4,
            4,
            140,
            {
                Bass("Left Hand", kPiano, 80,
                     {">13 56 >86 53", ">11' 33' >11' 58", "1- 3- 5- 6-", ">1356 8653 >1356 8653",
                      "!1- -- -- --"}),
                Chords("Right Hand", kPiano, 65, "3 5 8",
                       {">x. .x .. x.", "x. xx .x >x.", "x- -- -- --", ">x. .x >x. >x>x",
                        "!x- -- -- --"}),
                Drum("Snare", kSnare, 55,
                     {".. X. .o X.", ".o X. .o X.", ".. .. .. >x!x", ".... XoXo XoX. X!x..", ""}),
                Drum("Ride", kRide, 50,
                     {"Xx Xx Xx Xx", "Xx Xx Xx Xx", "x. x. x. x.", "Xx Xx .. ..", ""}),
                Drum("Kick", kKick, 55,
                     {"X. x. X. x.", "X. x. X. x.", "x. .. .. ..", "X. x. X. ..", "!x. .. .. .."}),
                Drum("Crash", kCrash, 55, {"", "", "", "", "!x..."}),
            }};
}

StyleDescription Gospel() {
    // A slow twelve-eight: organ pads, piano triplets, claps on two and four.
    return {
        "Gospel",
        "Gospel",
        4,
        4,
        80,
        {
            Bass("Bass", kFingeredBass, 80,
                 {">1-- ..~1 5-- ..~5", ">1-- ..3 5-- ..8", "1- 5-", ">1-- 3.3 5.5 6>78", "!1--."}),
            Chords("Piano", kPiano, 70, "1 3 5 8",
                   {">xxx xxx >xxx xxx", ">x.x >x.x >xxx >x.x", "x-- ... x-- ...",
                    ">xxx xxx >x>x>x !x..", "!x--."}),
            Chords("Organ", kDrawbarOrgan, 55, "3 5 8",
                   {"x- >x-", ">x- x-", "x- --", "x- x-", "x- --"}),
            Drum("Hand Clap", kHandClap, 55,
                 {"... X.. ... X.o", "... X.o ... X.o", "... ... ... >x>x!x", "... ... oxx XX!x",
                  ""}),
            Drum("Kick", kKick, 60,
                 {"X.. ... x.. ..x", "X.. ..x x.. ..x", "x.. ... ... ...", "X.. ... X.. ...",
                  "!x.. ... ... ..."}),
            Drum("Tambourine", kTambourine, 45,
                 {"x.x X.x x.x X.x", "x.x X.x x.x X.x", "", "x.x X.x x.x X.x", ""}),
            Drum("Crash", kCrash, 55, {"", "", "", "", "!x..."}),
        }};
}

StyleDescription Funk() {
    // Sixteenths: a syncopated slap bass, scratched guitar with ghost notes,
    // ghost notes on the snare between the backbeats.
    return {
        "Funk",
        "Funk",
        4,
        4,
        100,
        {
            Bass("Bass", kSlapBass, 85,
                 {">1..~1 ..1. 8..5 .5~1.", ">1..1 .~18. 5..5 .6~5.", "1- -- 5- --",
                  ">1.11 3.35 >5.56 8765", "!1- .. .. .."}),
            Chords("Guitar", kMutedGuitar, 60, "3 5 8",
                   {"o.Xo .oX. o.Xo .oX.", "oXoo XoXo oXoo XoX.", "o. .. x. ..",
                    "XoXo XoXo XXXX X...", "!x- .. .. .."}),
            Chords("Electric Piano", kElectricPiano, 55, "5, 8, 3",
                   {">x- -- .. .x", ">x- .x .. .x", "x- -- -- --", ".. .. >x. x.", "!x- .. .. .."}),
            Drum("Kick", kKick, 70,
                 {"X..x ..x. ..X. ....", "X..x ..x. ..X. .x..", "x... .... x... ....",
                  "X..x ..x. X... ....", "!x... .... .... ...."}),
            Drum("Snare", kSnare, 65,
                 {".... X..o .o.. X..o", ".o.. X..o .o.o X.o.", ".... .... .... x>x>x!x",
                  ".... X.oo XoXo XX!x.", ""}),
            Drum("Closed Hi-Hat", kClosedHiHat, 50,
                 {"XxXx XxXx XxXx XxXx", "Xx.x Xx.x Xx.x Xx.x", "x.x. x.x. x.x. x.x.",
                  "XxXx XxXx XxXx ....", ""}),
            Drum("Open Hi-Hat", kOpenHiHat, 45, {"", "..x. ..x. ..x. ..X.", "", "", ""}),
            Drum("High Tom", kHighTom, 60, {"", "", "", ".... .... .... ..xX", ""}),
            Drum("Crash", kCrash, 60, {"", "", "", "", "!x..."}),
        }};
}

StyleDescription Disco() {
    // Four on the floor, octave bass, open hi-hat on every off-beat.
    return {
        "Disco",
        "Disco",
        4,
        4,
        120,
        {
            Bass("Bass", kFingeredBass, 85,
                 {">11' 11' >11' 11'", ">11' 33' >11' 58", "1- 1'- 1- >1'-",
                  ">1-1'- 1-1'- 3535 6532", "!1- -- -- --"}),
            Chords("Strings", kSynthStrings, 55, "3 5 8",
                   {"x- -- -- --", ".. .>x x. .x", "x- -- -- --", "x- -- >x- --", "!x- -- -- --"}),
            Chords("Guitar", kCleanGuitar, 55, "8, 3 5",
                   {".x.X .x.x .x.X .x.x", ".oXo .oXo .oXo .oXo", "", ".x.x .x.x X.X. X...",
                    "!x- .. .. .."}),
            Drum("Kick", kKick, 75,
                 {"X. x. X. x.", "X. x. X. x.", "x. x. x. x.", "X. x. X. x.", "!x. .. .. .."}),
            Drum("Snare", kSnare, 65,
                 {".. X. .o X.", ".. X. .o Xo", ".... .... .... >x>x!x!x", ".... X... XoXo X!xX!x",
                  ""}),
            Drum("Open Hi-Hat", kOpenHiHat, 50,
                 {".x .x .x .X", ".x .x .x .X", "", ".x .x .. ..", ""}),
            Drum("Closed Hi-Hat", kClosedHiHat, 45, {"", "Xo.o Xo.o Xo.o Xo.o", "", "", ""}),
            Drum("Crash", kCrash, 60, {"", "", "", "", "!x..."}),
        }};
}

StyleDescription Soul() {
    // Motown: a busy bass, piano pounding the beats, tambourine and snare on
    // two and four.
    return {
        "Soul",
        "Motown soul",
        4,
        4,
        112,
        {
            Bass("Bass", kFingeredBass, 85,
                 {">1. .~1 5. 65", ">1. .1 3. 56", "1- -- 5- --", ">11 33 55 68", "!1- -- -- --"}),
            Chords(
                "Piano", kPiano, 60, "5, 8, 3",
                {">x. x. >x. x.", ">x. x. >x. xx", "x- -- x- --", ">x. x. xx xx", "!x- -- -- --"}),
            Chords("Guitar", kCleanGuitar, 50, "3 5 8",
                   {".. X. .. x.", ".. X. .. Xx", "", ".. X. X. X.", ""}),
            Drum("Kick", kKick, 65,
                 {"X. .x X. ..", "X. .x X. .x", "x. .. .. ..", "X. .. X. ..", "!x. .. .. .."}),
            Drum("Snare", kSnare, 60,
                 {"x. X. x. X.", "x. X. xo X.", ".... .... .... >x>x!x!x", "x... X... XoXo X!xX!x",
                  ""}),
            Drum("Tambourine", kTambourine, 50,
                 {".x X. .x X.", ".x X. .x X.", "", ".x X. .x X.", ""}),
            Drum("Closed Hi-Hat", kClosedHiHat, 45,
                 {"xo xo xo xo", "xo xo xo xo", "x. x. x. x.", "xo xo xo xo", ""}),
            Drum("Crash", kCrash, 60, {"", "", "", "", "!x..."}),
        }};
}

StyleDescription Reggae() {
    // One drop: kick and side stick together on three, the guitar skanks on
    // the off-beats, the organ bubbles on two and four.
    return {
        "Reggae",
        "Reggae one drop",
        4,
        4,
        76,
        {
            Bass("Bass", kFingeredBass, 85,
                 {">1- .~1 5- .3", ">1- -3 5- 65", "1- -- 5- --", ">1- 13 55 65", "!1- -- -- --"}),
            Chords("Guitar", kCleanGuitar, 60, "8, 3 5 8",
                   {".x .X .x .X", ".x .X .x xX", ".x .x .x .x", ".x .X xx Xx", "!x- -- -- --"}),
            Chords("Organ", kDrawbarOrgan, 50, "5, 8, 3",
                   {".. Xx .. Xx", ".. Xx .. XX", "", ".. Xx Xx Xx", "x- -- -- --"}),
            Drum("Kick", kKick, 70,
                 {".. .. X. ..", "x. .. X. ..", ".. .. x. ..", "X. .. X. ..", "!x. .. .. .."}),
            Drum("Side Stick", kSideStick, 60, {".. .. X. ..", ".. .. X. .o", "", "", ""}),
            Drum("Closed Hi-Hat", kClosedHiHat, 50,
                 {"x. Xo x. Xo", "xo xo xo xo", "x. x. x. x.", "xo xo .. ..", ""}),
            Drum("Snare", kSnare, 60,
                 {"", "", ".... .... .... >x!x..", ".... .... oxox XxX!x", ""}),
            Drum("Crash", kCrash, 55, {"", "", "", "", "!x..."}),
        }};
}

StyleDescription Folk() {
    // Fingerpicked: the thumb alternates root and fifth on the beats, the
    // fingers pick the third and the octave between them.
    return {
        "Folk",
        "Folk, fingerpicked",
        4,
        4,
        96,
        {
            Bass("Bass", kAcousticBass, 70,
                 {">1- -- 5- --", ">1- -- 3- 5-", "1- -- -- --", ">1- 5- 65 43", "!1- -- -- --"}),
            Chords("Guitar", kSteelGuitar, 75, "1 3 5 8",
                   {">15 >5,8 >13 >5,5", ">13 >5,8 >15 >5,3", "1- 5,- 3- 8-", ">15 >5,8 13 58",
                    ">15 !x- -- --"}),
            Drum("Tambourine", kTambourine, 45,
                 {".. X. .x X.", ".x X. .x Xx", ".. .. .. >x!x", "xx Xx xx X!x", ""}),
            Drum("Kick", kKick, 50,
                 {"X. .. x. ..", "X. .. x. .x", "x. .. .. ..", "X. .. X. ..", "!x. .. .. .."}),
            Drum("Shaker", kMaracas, 35, {"xo xo xo xo", "Xo xo Xo xo", "", "xo xo xo xo", ""}),
            Drum("Crash", kCrash, 40, {"", "", "", "", "!x..."}),
        }};
}

StyleDescription ChildrensSong() {
    // Plain and bright: bass on the beats, piano on two and four, a
    // glockenspiel spelling the chord.
    return {
        "ChildrensSong",
        "Children's song",
        4,
        4,
        112,
        {
            Bass("Bass", kAcousticBass, 75,
                 {">1- 5- 1- 5-", ">1- 3- 5- 3-", "1- -- 5- --", ">1- 3- 5- 65", "!1- -- -- --"}),
            Chords(
                "Piano", kPiano, 65, "5, 8, 3",
                {".. >x- .. x-", "x- >x- x- >x-", "x- -- -- --", "x- >x- >x- >x-", "!x- -- -- --"}),
            Chords("Glockenspiel", kGlockenspiel, 45, "1 3 5 8",
                   {">1- 3- 5- 8-", "!8- 5- 3- 5-", "", "13 58 53 1-", ""}),
            Drum("Kick", kKick, 55,
                 {"X. .. x. ..", "X. .. x. ..", "x. .. .. ..", "X. .. X. ..", "!x. .. .. .."}),
            Drum("Snare", kSnare, 50,
                 {".. x. .. X.", ".. x. .. X.", ".. .. .. >x!x", ".. x. xx X!x", ""}),
            Drum("Wood Block", kHighWoodBlock, 45,
                 {"X. x. X. x.", "Xx xx Xx xx", "", "X. x. X. x.", ""}),
            Drum("Crash", kCrash, 40, {"", "", "", "", "!x..."}),
        }};
}

// --- Latin ---

StyleDescription BossaNova() {
    // The nylon guitar's voicing leaves the root to the bass: fifth below,
    // then third, seventh and ninth (major seventh on major chords).
    return {
        "BossaNova",
        "Bossa nova",
        4,
        4,
        130,
        {
            Bass("Bass", kAcousticBass, 80,
                 {">1- -~5 5- -~1", ">1- -5 8- -5", "1- -- 5- --", ">1- -5 6- 78", "!1- -- -- --"}),
            Chords(
                "Guitar", kNylonGuitar, 70, "5, 3 7 9",
                {">x. .x .x .x", ">x. .x .x x.", "x- -- x- --", ">x. .x >x. x.", "!x- -- -- --"}),
            Drum("Side Stick", kSideStick, 55,
                 {"X. .x .. x.", ".. x. .x .X", ".. .. .. >x!x", "X. x. ox X!x", ""}),
            Drum("Closed Hi-Hat", kClosedHiHat, 45,
                 {"xo xo xo xo", "xo xo xo xo", "x. x. x. x.", "xo xo xo xo", ""}),
            Drum("Kick", kKick, 55,
                 {"X. .o x. .o", "X. .o x. .o", "x. .. x. ..", "X. .x X. .x", "!x. .. .. .."}),
            Drum("Crash", kCrash, 45, {"", "", "", "", "!x..."}),
        }};
}

StyleDescription ChaCha() {
    // Cowbell on the beats, the guiro's "cha-cha-cha" on four and one,
    // congas answering.
    return {
        "ChaCha",
        "Cha-cha",
        4,
        4,
        120,
        {
            Bass("Bass", kFingeredBass, 80,
                 {">1- -~5 .5 5-", ">1- -3 .5 8-", "1- -- 5- --", ">1- 35 65 43", "!1- -- -- --"}),
            Chords("Piano", kPiano, 70, "1 3 5 8",
                   {">x. .x x. xx", ">x. xx .x xx", "x- -- x- --", "x. x. >x. x.", "!x- -- -- --"}),
            Drum("Cowbell", kCowbell, 55,
                 {"X. x. X. x.", "X. x. X. xx", "x. x. x. x.", "X. .. .. ..", "!x. .. .. .."}),
            Drum("Mute High Conga", kMuteHighConga, 55,
                 {"x. o. x. o.", "x. ox x. ox", "x. .. x. ..", "x. .. .. ..", ""}),
            Drum("Open High Conga", kOpenHighConga, 60,
                 {".. .. .. Xx", ".. .X .. Xx", ".. .. .. >x!x", "", ""}),
            Drum("Guiro", kShortGuiro, 45, {"X. .. x. xo", "X. .x x. xo", "", "X. .. x. xo", ""}),
            Drum("High Timbale", kHighTimbale, 60, {"", "", "", ".... xxxx xxXx X!x..", ""}),
            Drum("Low Timbale", kLowTimbale, 60, {"", "", "", ".... .... .... ..XX", ""}),
            Drum("Crash", kCrash, 50, {"", "", "", "", "!x..."}),
        }};
}

StyleDescription Rumba() {
    // Ballroom rumba over the son clave: three-two in A, two-three in B.
    return {
        "Rumba",
        "Rumba",
        4,
        4,
        104,
        {
            Bass("Bass", kFingeredBass, 80,
                 {">1- -5 -- 8-", ">1- -3 -- 5-", "1- -- -- --", ">1- -5 65 43", "!1- -- -- --"}),
            Chords(
                "Guitar", kNylonGuitar, 65, "5, 8, 3 5",
                {">x. .x .x >x.", ">x. xx .x x.", "x- -- x- --", "x. xx x. >x>x", "!x- -- -- --"}),
            Chords("Strings", kStrings, 45, "3 5 8",
                   {"x- -- -- --", "x- -- >x- --", "x- -- -- --", "", "x- -- -- --"}),
            Drum("Claves", kClaves, 50,
                 {"X..x ..x. ..x. x...", "..X. x... x..x ..x.", "", "X..x ..x. ..x. x...", ""}),
            Drum("Maracas", kMaracas, 40,
                 {"Xx xx Xx xx", "Xx xx Xx xx", "x. x. x. x.", "Xx xx Xx xx", ""}),
            Drum("High Bongo", kHighBongo, 55,
                 {"x. xo x. xo", "x. xo xo xo", ".. .. .. >x!x", ".... xxxx XxXx X...", ""}),
            Drum("Low Conga", kLowConga, 55,
                 {".. .. .x .X", ".. .. .x XX", "", ".... .... .... xX..", ""}),
            Drum("Kick", kKick, 50,
                 {"X. .. x. ..", "X. .. x. ..", "x. .. .. ..", "X. .. x. ..", "!x. .. .. .."}),
            Drum("Crash", kCrash, 45, {"", "", "", "", "!x..."}),
        }};
}

StyleDescription LatinPop() {
    // Three-three-two over a four-on-the-floor kick.
    return {
        "LatinPop",
        "Latin pop",
        4,
        4,
        104,
        {
            Bass("Bass", kFingeredBass, 85,
                 {">1- -~1 -- 5-", ">1- -3 -- 5-", "1- -- -- --", ">1- -3 -5 65", "!1- -- -- --"}),
            Chords(
                "Guitar", kNylonGuitar, 65, "5, 8, 3",
                {">x- -x -- x.", ">xx -x >x- xx", "x- -- -- --", ">x- -x -- >xx", "!x- -- -- --"}),
            Chords("Piano", kPiano, 55, "3 5 8",
                   {">x. xx .x x.", ">x. xx .x xx", "", ">x. xx xx xx", "x- -- -- --"}),
            Drum("Kick", kKick, 70,
                 {"X. x. X. x.", "X. x. X. x.", "x. .. x. ..", "X. x. X. x.", "!x. .. .. .."}),
            Drum("Side Stick", kSideStick, 60,
                 {".. .X .. x.", ".. .X .x x.", ".. .. .. >x!x", ".. .X .x XX", ""}),
            Drum("Shaker", kMaracas, 40,
                 {"Xx xx Xx xx", "Xx xx Xx xx", "x. x. x. x.", "Xx xx Xx xx", ""}),
            Drum("Open High Conga", kOpenHighConga, 50,
                 {".. .. .x .X", ".. x. .x .X", "", "Xx Xx xx Xx", ""}),
            Drum("Crash", kCrash, 55, {"", "", "", "", "!x..."}),
        }};
}

// --- 3/4 ---

StyleDescription Waltz() {
    // Oom-pah-pah: the bass on one, the chords on two and three.
    return {"Waltz",
            "Waltz",
            3,
            4,
            140,
            {
                Bass("Bass", kAcousticBass, 80, {"1..", ">1.5,", "1--", ">1- 35 68", "!1--"}),
                Chords("Piano", kPiano, 60, "5, 8, 3",
                       {".>xx", ".. >x. x~x", "x--", ".. >x. x.", "!x-."}),
                Chords("Strings", kStrings, 45, "3 5 8", {"", "x--", "x--", "", "x-."}),
                Drum("Kick", kKick, 60, {"X..", "X..", "x..", "X..", "!x.."}),
                Drum("Snare", kSnare, 50, {".xo", ".Xo", ".. .. >x!x", ".... x.ox oxX!x", ""}),
                Drum("Closed Hi-Hat", kClosedHiHat, 40, {"Xxx", "Xx xo xo", "xx.", "x..", ""}),
                Drum("Crash", kCrash, 55, {"", "", "", "", "!x.."}),
            }};
}

StyleDescription JazzWaltz() {
    // Swung three: the ride's "ding, ding-a, ding-a", hi-hat on two and three.
    return {"JazzWaltz",
            "Jazz waltz",
            3,
            4,
            150,
            {
                Bass("Bass", kAcousticBass, 80, {">1 3 5", ">1 5 8", "1--", ">135 685", "!1--"}),
                Chords("Piano", kPiano, 60, "5, 3 8",
                       {">x-- ..x ...", "... >x-- ..x", "x--", "x-- ..x ..>x", "!x--"}),
                Drum("Ride", kRide, 55,
                     {">x.. x.x x.x", ">x.. >x.x x.x", "x.. x.. x..", "x.. x.x ...", ""}),
                Drum("Pedal Hi-Hat", kPedalHiHat, 45, {".xX", ".xX", ".x.", ".x.", ""}),
                Drum("Snare", kSnare, 45,
                     {"... ..o ...", "..o ... ..X", "... ... >x!x!x", "... oxx xX!x", ""}),
                Drum("Kick", kKick, 40, {"x..", "x..", "x..", "x.x", "!x.."}),
                Drum("Crash", kCrash, 50, {"", "", "", "", "!x.."}),
            }};
}

StyleDescription VienneseWaltz() {
    // Fast, one beat to a bar: strings lean on the second beat, the harp
    // sweeps up and down the chord.
    return {"VienneseWaltz",
            "Viennese waltz",
            3,
            4,
            180,
            {
                Bass("Contrabass", kContrabass, 80, {">1.5", ">1.3", "1--", ">135 853", "!1--"}),
                Chords("Strings", kStrings, 65, "5, 8, 3",
                       {"..>x- x-", ".. >x- x.", "x- -- --", ".. >xx >xx", "!x- -- .."}),
                Chords("Harp", kHarp, 50, "1 3 5 8", {"", ">135 853", "135 8--", "", ""}),
                Drum("Kick", kKick, 55, {"X..", "X..", "x..", "X.x", "!x.."}),
                Drum("Triangle", kOpenTriangle, 40, {".xX", ".xX", ".. .. >x!x", ".x xx xX", ""}),
                Drum("Crash", kCrash, 45, {"", "", "", "", "!x.."}),
            }};
}

StyleDescription Lullaby() {
    // Soft and slow: a music box turning over the chord above held strings.
    return {"Lullaby",
            "Lullaby",
            3,
            4,
            66,
            {
                Bass("Bass", kAcousticBass, 60, {"1--", ">1-5", "1--", ">1 3 5", "1--"}),
                Chords("Music Box", kMusicBox, 60, "1 3 5 8",
                       {">158 3'85", ">5,13 583'", "135 8--", "158 3'58", "!x--"}),
                Chords("Strings", kSlowStrings, 40, "5, 8, 3", {"x--", "x--", "x--", "x--", "x--"}),
                Drum("Shaker", kMaracas, 30, {"Xxx", "Xx xx xx", ".. .. >x!x", "xx xx XX", ""}),
                Drum("Triangle", kOpenTriangle, 30, {"x..", "x..", "", "x.x", "!x.."}),
                Drum("Crash", kCrash, 25, {"", "", "", "", "!x.."}),
            }};
}

// --- 6/8 ---

StyleDescription SlowRock() {
    // Two beats of three eighths; the piano repeats the chord in triplets in
    // A and breaks it up in B.
    return {"SlowRock",
            "6/8 slow rock",
            6,
            8,
            60,
            {
                Bass("Bass", kFingeredBass, 80,
                     {">1-- 5,--", ">1-- 3-5", "1-----", ">1-- 568", "!1-----"}),
                Chords("Piano", kPiano, 60, "5, 8, 3",
                       {">xxx >xxx", ">5,13 >585", "x-- >x--", ">xxx x.x", "x-- !x--"}),
                Chords("Strings", kStrings, 45, "3 5 8", {"", "x-----", "x-----", "", "x-----"}),
                Drum("Kick", kKick, 60, {"X.. ...", "X.. x..", "x.. ...", "x.. ...", "x.. !x.."}),
                Drum("Snare", kSnare, 55,
                     {"... x..", "... X.o", "...... ....>x!x", "...... oxxX..", ""}),
                Drum("Closed Hi-Hat", kClosedHiHat, 45, {"Xxx Xxx", "", "x.. x..", "Xxx ...", ""}),
                Drum("Ride", kRide, 45, {"", "Xxo Xxo", "", "", ""}),
                Drum("Low Tom", kLowTom, 55, {"", "", "", "...... ....xX", ""}),
                Drum("Crash", kCrash, 55, {"", "", "", "", "... !x.."}),
            }};
}

StyleDescription Jig() {
    // A lively six-eight: guitar and accordion over a bodhran.
    return {"Jig",
            "Jig",
            6,
            8,
            100,
            {
                Bass("Bass", kAcousticBass, 75,
                     {">1-5 1-5", ">1-3 5-3", "1-- 5--", ">135 8>53", "!1-----"}),
                Chords("Guitar", kSteelGuitar, 65, "5, 8, 3",
                       {">x-x x-x", ">xxx >xxx", "x-- x--", ">x-x >xxx", "!x-----"}),
                Chords("Accordion", kAccordion, 55, "3 5 8",
                       {"x-- >x--", "x.x >x.x", "", "x.x x.x", "x-----"}),
                Drum("Bodhran", kLowFloorTom, 60,
                     {"X.x x.x", "Xxx xxx", "x.. x..", "Xxx Xxx", "!x....."}),
                Drum("Tambourine", kTambourine, 40,
                     {"x.. X..", "x.x X.x", "... >x!x.", "xxx XX!x", ""}),
                Drum("Crash", kCrash, 50, {"", "", "", "", "!x....."}),
            }};
}

// --- 2/4 ---

StyleDescription Polka() {
    // Oom-pah in two: root and fifth under chords on the off-beats.
    return {"Polka",
            "Polka",
            2,
            4,
            120,
            {
                Bass("Tuba", kTuba, 80, {">1. 5,.", ">1. 3.", "5,6,7,>1", ">1358", "5,. !1-"}),
                Chords("Piano", kPiano, 60, "5, 8, 3",
                       {".>x.x", "..>x. ..xx", "x.x.", ".>x.>x", "x. !x-"}),
                Drum("Kick", kKick, 60, {"X.x.", "X.x.", "x...", "X...", "x.!x."}),
                Drum("Snare", kSnare, 50, {".X.x", ".o.X", ".... >x>x!x!x", "..ox xxX!x", ""}),
                Drum("Crash", kCrash, 55, {"", "", "", "", "..!x."}),
            }};
}

StyleDescription Samba() {
    // Two beats of sixteenths: the surdo answers strongly on two, the
    // shaker accents the last sixteenth of each beat.
    return {
        "Samba",
        "Samba",
        2,
        4,
        96,
        {
            Bass("Bass", kFingeredBass, 85,
                 {">1--~5 >5--~1", ">1--5 8--5", "1- >5-", ">1-35 6-78", "!1- --"}),
            Chords("Guitar", kNylonGuitar, 65, "5, 8, 3",
                   {".>x.x x.>x.", ">x.xx .x.>x", "x- --", ".x.x .x.x", "!x- --"}),
            Drum("Surdo", kLowFloorTom, 60, {"x.X.", "x.X.", "x...", "x.XX", "!x..."}),
            Drum("Snare", kSnare, 50,
                 {"o.oX o.oX", "oxoX oxoX", ".... >x>x!x!x", "XoXo XxX!x", ""}),
            Drum("Shaker", kCabasa, 45, {"xxxX xxxX", "xxxX xxxX", "x.x. x.x.", "xxxX xxxX", ""}),
            Drum("Crash", kCrash, 55, {"", "", "", "", "!x..."}),
        }};
}

StyleDescription Tango() {
    // Habanera in the bass, marcato bandoneon, and the "chan-chan" ending.
    return {"Tango",
            "Tango",
            2,
            4,
            120,
            {
                Bass("Bass", kAcousticBass, 80,
                     {">1--5 1-5-", ">1--5 3-5-", "1- >5-", ">1-35 6-5-", ">5,. !1."}),
                Chords("Bandoneon", kBandoneon, 70, "5, 8, 3",
                       {">xx>xx", ">x-x- >x-xx", "x- --", ">x.x. x.>x.", "x. !x-"}),
                Chords("Piano", kPiano, 60, "3 5 8", {".x.>x", "x.x>x", "x- --", ".x.x", "x. !x-"}),
                Chords("Strings", kStrings, 45, "5, 8, 3",
                       {"x- --", "x- >x-", "x- --", "x- x-", "x. !x-"}),
                Drum("Kick", kKick, 50, {"X.x.", "X.x~x", "x...", "X.x.", "x.!x."}),
                Drum("Side Stick", kSideStick, 45, {".x.X", ".x.X", "..>x!x", "oxox xxX!x", ""}),
                Drum("Crash", kCrash, 45, {"", "", "", "", "..!x."}),
            }};
}

// --- 2/2 ---

StyleDescription March() {
    // Cut time: two half-note beats, the cymbals with the bass drum on two.
    return {
        "March",
        "March",
        2,
        2,
        60,
        {
            Bass("Tuba", kTuba, 80, {">1.5,.", ">1.3.", "1 5, 6, 7,", ">1. 5,. 13 58", "5,. !1-"}),
            Chords("Piano", kPiano, 60, "5, 8, 3",
                   {".>x.x", ".>x.x.>x.x", "x.x.", ".x.x", "x. !x-"}),
            Drum("Bass Drum", kKick, 65, {"X.x.", "X.x.", "x...", "X...", "x.!x."}),
            Drum("Snare", kSnare, 55,
                 {"X.x. x.o>x", "X.x.x.ox X.x.x.ox", "........ x.x.>x>x!x!x", "X.x.x.x. oxoxXx!x!x",
                  ""}),
            Drum("Cymbals", kCrash, 50, {"..x.", "..x.", "", "", "..!x."}),
        }};
}

StyleDescription Country() {
    // Two-beat: bass on the beats, the steel-string guitar's "chick" between.
    return {
        "Country",
        "Country two-beat",
        2,
        2,
        88,
        {
            Bass("Bass", kFingeredBass, 85, {">1.5,.", ">1.3.", "1- 5-", ">1. 5. 5678", "!1- --"}),
            Chords("Guitar", kSteelGuitar, 70, "5, 8, 3 5",
                   {".>x.x", ".x.x.x>xx", "x- x-", ".x.x.x>x>x", "!x- --"}),
            Drum("Kick", kKick, 65, {"X.x.", "X.x.", "x...", "X.x.", "!x..."}),
            Drum("Snare", kSnare, 60, {".x.X", ".x.X", "....>x>x!x!x", "X.x.oxX!x", ""}),
            Drum("Closed Hi-Hat", kClosedHiHat, 45,
                 {"xo xo xo xo", "Xo xo Xo xo", "", "xo xo xo ..", ""}),
            Drum("Crash", kCrash, 55, {"", "", "", "", "!x..."}),
        }};
}

}  // namespace

const std::vector<StyleDescription>& StyleCatalog::All() {
    static const std::vector<StyleDescription> kStyles = {
        // 4/4
        Pop(), Rock(), HardRock(), SoftRock(), Ballad(), Swing(), BluesShuffle(), Boogie(),
        Gospel(), Funk(), Disco(), Soul(), Reggae(), Folk(), ChildrensSong(), BossaNova(), ChaCha(),
        Rumba(), LatinPop(),
        // 3/4
        Waltz(), JazzWaltz(), VienneseWaltz(), Lullaby(),
        // 6/8
        SlowRock(), Jig(),
        // 2/4
        Polka(), Samba(), Tango(),
        // 2/2
        March(), Country()};
    return kStyles;
}
