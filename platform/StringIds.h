#pragma once

// Numbers of the program's own texts in the string table.
namespace ids {
inline constexpr int kDocTemplate = 128;
inline constexpr int kError = 130;
inline constexpr int kWarning = 133;
inline constexpr int kWriteFileError = 140;
inline constexpr int kPlayError = 141;
inline constexpr int kOnlyOneAccompaniment = 148;
inline constexpr int kMaxPitchedTracks = 149;
inline constexpr int kTempoRange = 150;
inline constexpr int kNoAccompanimentStyle = 155;
inline constexpr int kFailedReadingAccompaniment = 156;
inline constexpr int kNoMidiOutput = 157;
inline constexpr int kCannotSaveWithoutTracks = 167;
inline constexpr int kMaxNonAccompanimentTracks = 171;
inline constexpr int kFileFormatNew = 180;
inline constexpr int kReadFileError = 182;
inline constexpr int kFormatNewUserAborted = 183;
inline constexpr int kFileDoNotExists = 185;
inline constexpr int kFirstProgramName = 500;  // "[1]Acoustic Grand Piano" .. 627
inline constexpr int kFirstDrumName = 700;     // "[1]Acoustic Bass Drum" .. 746
inline constexpr int kNumProgramNames = 128;
inline constexpr int kNumDrumNames = 47;
}  // namespace ids
