#pragma once

// Texts the editor's commands show, other than the numbered ones of the
// string table.
namespace messages {
inline constexpr const char* kError = "Error";
inline constexpr const char* kWarning = "Warning";
inline constexpr const char* kTransposeFailed =
    "Cannot transpose the score.\n Error occurred during transposition.\nPlease transpose to "
    "another key instead.";
inline constexpr const char* kSharpOrFlat =
    "The key can be either transposed to F# or Gb.\nDo you prefer using sharp in key "
    "signature?\n\n[Yes] - use F#\n[No] - use Gb";
inline constexpr const char* kShiftLimit = "The number of shift is restricted to 8 steps";
inline constexpr const char* kInvalidBarRange = "Invalid bar range";
inline constexpr const char* kBarLimitExceeded = "Number of bars limit exceeded";
inline constexpr const char* kMaximumBars = "Maximum number of bars";
inline constexpr const char* kBarsYouCanInsert = "Number of bars you can insert";
inline constexpr const char* kTooFewBarsToInsert =
    "The number of bars to insert must be at least 1";
inline constexpr const char* kCannotDeleteAll = "Cannot delete all the bars";
inline constexpr const char* kInvalidSourceRange = "Invalid source bar range";
inline constexpr const char* kDestinationInsideSource =
    "The destination cannot be inside the source bar range";
inline constexpr const char* kDestinationTooSmall =
    "The destination do not have enough space to do this operation";
inline constexpr const char* kTooFewRepetitions = "The number of repetitions must be at least 1";
inline constexpr const char* kNotContinuous = "The selected bars must be continuous";
inline constexpr const char* kNothingSelected = "Nothing selected";
inline constexpr const char* kNotBarsOrTexts = "The selections are not bars or texts";
inline constexpr const char* kClipboardEmpty = "Nothing inside clipboard";
inline constexpr const char* kNotBars = "Either the source or destination is/are not bars";
inline constexpr const char* kDifferentTimeSignature =
    "The source and destination music have different time signature.\nCopy and paste across "
    "them is not allowed.";
inline constexpr const char* kNoSpaceToPaste = "There is not enough space for pasting the bars";
inline constexpr const char* kDifferentDimension =
    "The pasting area's dimension is different from the copy area's dimension";
inline constexpr const char* kSureToDelete = "Are you sure to delete";
inline constexpr const char* kSureToDeleteTrack = "Are you sure to delete track";
inline constexpr const char* kSelectTrack = "Please select track";
inline constexpr const char* kAccompanimentOnTop = "The accompaniment track must be on the top";
}  // namespace messages
