#pragma once

#include "platform/TranslatableText.h"

// Texts the editor's commands show, other than the numbered ones of the
// string table; each becomes the user's language where it turns into a
// string, so messages built from several of them translate every piece.
namespace messages {
inline constexpr TranslatableText kError = QS_TRANSLATABLE("EditorMessages", "Error");
inline constexpr TranslatableText kWarning = QS_TRANSLATABLE("EditorMessages", "Warning");
inline constexpr TranslatableText kInformation = QS_TRANSLATABLE("EditorMessages", "Information");
inline constexpr TranslatableText kTransposeFailed = QS_TRANSLATABLE(
    "EditorMessages",
    "Cannot transpose the score.\n Error occurred during transposition.\nPlease transpose to "
    "another key instead.");
inline constexpr TranslatableText kSharpOrFlat = QS_TRANSLATABLE(
    "EditorMessages",
    "The key can be either transposed to F# or Gb.\nDo you prefer using sharp in key "
    "signature?\n\n[Yes] - use F#\n[No] - use Gb");
inline constexpr TranslatableText kShiftLimit =
    QS_TRANSLATABLE("EditorMessages", "The number of shift is restricted to 8 steps");
inline constexpr TranslatableText kInvalidBarRange =
    QS_TRANSLATABLE("EditorMessages", "Invalid bar range");
inline constexpr TranslatableText kBarLimitExceeded =
    QS_TRANSLATABLE("EditorMessages", "Number of bars limit exceeded");
inline constexpr TranslatableText kMaximumBars =
    QS_TRANSLATABLE("EditorMessages", "Maximum number of bars");
inline constexpr TranslatableText kBarsYouCanInsert =
    QS_TRANSLATABLE("EditorMessages", "Number of bars you can insert");
inline constexpr TranslatableText kTooFewBarsToInsert =
    QS_TRANSLATABLE("EditorMessages", "The number of bars to insert must be at least 1");
inline constexpr TranslatableText kCannotDeleteAll =
    QS_TRANSLATABLE("EditorMessages", "Cannot delete all the bars");
inline constexpr TranslatableText kInvalidSourceRange =
    QS_TRANSLATABLE("EditorMessages", "Invalid source bar range");
inline constexpr TranslatableText kDestinationInsideSource =
    QS_TRANSLATABLE("EditorMessages", "The destination cannot be inside the source bar range");
inline constexpr TranslatableText kDestinationTooSmall = QS_TRANSLATABLE(
    "EditorMessages", "The destination do not have enough space to do this operation");
inline constexpr TranslatableText kTooFewRepetitions =
    QS_TRANSLATABLE("EditorMessages", "The number of repetitions must be at least 1");
inline constexpr TranslatableText kNotContinuous =
    QS_TRANSLATABLE("EditorMessages", "The selected bars must be continuous");
inline constexpr TranslatableText kNothingSelected =
    QS_TRANSLATABLE("EditorMessages", "Nothing selected");
inline constexpr TranslatableText kNotBarsOrTexts =
    QS_TRANSLATABLE("EditorMessages", "The selections are not bars or texts");
inline constexpr TranslatableText kClipboardEmpty =
    QS_TRANSLATABLE("EditorMessages", "Nothing inside clipboard");
inline constexpr TranslatableText kNotBars =
    QS_TRANSLATABLE("EditorMessages", "Either the source or destination is/are not bars");
inline constexpr TranslatableText kDifferentTimeSignature = QS_TRANSLATABLE(
    "EditorMessages",
    "The source and destination music have different time signature.\nCopy and paste across "
    "them is not allowed.");
inline constexpr TranslatableText kNoSpaceToPaste =
    QS_TRANSLATABLE("EditorMessages", "There is not enough space for pasting the bars");
inline constexpr TranslatableText kDifferentDimension = QS_TRANSLATABLE(
    "EditorMessages", "The pasting area's dimension is different from the copy area's dimension");
inline constexpr TranslatableText kSureToDelete =
    QS_TRANSLATABLE("EditorMessages", "Are you sure to delete");
inline constexpr TranslatableText kSureToDeleteTrack =
    QS_TRANSLATABLE("EditorMessages", "Are you sure to delete track");
inline constexpr TranslatableText kSelectTrack =
    QS_TRANSLATABLE("EditorMessages", "Please select track");
inline constexpr TranslatableText kAccompanimentOnTop =
    QS_TRANSLATABLE("EditorMessages", "The accompaniment track must be on the top");
inline constexpr TranslatableText kTempoRange =
    QS_TRANSLATABLE("EditorMessages", "The tempo must be within 20 and 208");
inline constexpr TranslatableText kZoomRange =
    QS_TRANSLATABLE("EditorMessages", "Zoom percent must be within 50% to 200%");
}  // namespace messages
