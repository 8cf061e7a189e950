#pragma once

namespace common {

// Most lengths in the files are short decimals (127, 95.25, 0.635,
// 0.79375). Writing one by whole-number arithmetic costs a fraction of the
// general shortest-text search. Writes at `at` the shortest plain decimal
// text of `value` when it has at most five decimals and the value is small
// enough for that text to be the only one that short; returns where it
// ends, or null when the value is not such a number (then nothing is
// written). Zero is not taken: it has a text of its own.
char* WriteShortDecimal(char* at, float value);

}  // namespace common
