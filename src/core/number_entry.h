// Reading numbers out of the input edits: the typed text goes through the expression evaluator
// with the user's decimal separator; a bad number is reported through the notices.
#pragma once

#include "core/controls.h"
#include "core/notices.h"

#include <string>

namespace brevant {

// The value of an edit at Calculate: a formula is replaced by its value in the edit; an empty
// edit or an arithmetic error reads as 0. False (with "Bad number in <name>") on a syntax error.
bool ReadInputValue(Edit& edit, float& value, char decimalSeparator, INotices& notices);
// The value of an edit when the user commits it: angle edits (tags 3, 5, 20) are clamped to
// +-30 degrees, other values below 0.01 (but not 0) become 0.01. A bad number shows
// "Bad Number in <name>" and reads as what the evaluator returned.
float ReadCommittedValue(Edit& edit, char decimalSeparator, INotices& notices);
// A typed length moved into another unit: its value (a formula's result) times factor, with all
// the digits a double keeps, so that converting back gives the typed number again. An empty
// text, and a text that is no number (left for Calculate to report), stay as they are.
std::string ConvertedLengthText(const std::string& text, double factor, char decimalSeparator);
// The segment angle of a cone piece: the committed value of its edit, 0 outside 0 to 350.
float EffectiveSegmentAngle(Edit& segmentAngleEdit, char decimalSeparator, INotices& notices);

} // namespace brevant
