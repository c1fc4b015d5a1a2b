#pragma once

#include <climits>

namespace zyntra {

// What the fields of a record may hold: the most characters the editors let a user type into
// each text, and the choices of the fields that pick one of a few. The window's fields and the
// command line's import keep to the same values. A text that no editor shows gets the limit of
// the longest text its editor shows, so that no record gets a text the device never got from
// the editors.

// The address book: names, e-mail, addresses, office and title take the long texts, phone and
// fax numbers the short ones.
inline constexpr int kAddressLongText = 100;
inline constexpr int kAddressShortText = 50;
inline constexpr int kAddressCategoryCount = 6;

// What an appointment or a task says.
inline constexpr int kContentLength = 100;

// A task's type (business, personal, others) and priority (none, high, medium, low).
inline constexpr int kToDoTypeCount = 3;
inline constexpr int kToDoPriorityCount = 4;

// A timetable cell: the abbreviation shown in the grid, and its other texts.
inline constexpr int kClassAbbreviationLength = 6;
inline constexpr int kClassTextLength = 20;
inline constexpr int kClassColourCount = 6;

// A user-dictionary entry: headword, part of speech, explanation.
inline constexpr int kHeadwordLength = 100;
inline constexpr int kPartOfSpeechLength = 70;
inline constexpr int kExplanationLength = 1000;

// "yyyy/mm/dd", "hh:mm" and the stamp "yyyy/mm/dd hh:mm:ss".
inline constexpr int kDateLength = 10;
inline constexpr int kTimeLength = 5;
inline constexpr int kStampLength = 19;

// The largest id a record may carry: the writers give a new row the id after the largest, which
// must still be an int.
inline constexpr int kLargestRecordId = INT_MAX - 1;

} // namespace zyntra
