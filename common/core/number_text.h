#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace common {

// A number typed by the user: the leading number of the text, the full stop
// being the only decimal separator ("1,27" reads 1, "abc" reads 0, "" reads 0).
// Leading blanks are skipped; an exponent is taken when digits follow it.
double ParseTypedNumber(std::string_view text);

// A number field of a document file. Blanks around it are allowed, and so are
// a missing leading zero (".5"), a sign and exponent notation ("1E-05").
// Returns false, leaving `value` alone, when the field is not such a number.
bool ReadFileNumber(std::string_view field, float& value);
bool ReadFileNumber(std::string_view field, double& value);
// An integer field; a fractional value is rounded halves to even, as the
// original files may hold them. False when out of the 32-bit range.
bool ReadFileInteger(std::string_view field, std::int32_t& value);

// The same numbers at the start of `text`, where a line's field begins:
// the count of characters read, the blanks after the number included, or 0
// (`value` left alone) when no number starts there. A field is read in
// place this way.
std::size_t ReadFileNumberAt(std::string_view text, float& value);
std::size_t ReadFileNumberAt(std::string_view text, double& value);
std::size_t ReadFileIntegerAt(std::string_view text, std::int32_t& value);

// The shortest plain decimal text (full stop, no exponent) that reads back to
// the same single-precision value: 0.79375, 1.27, 0.5, -2.
std::string WriteFileNumber(float value);
// The same text written at `at`, which has room for 48 characters (the
// longest such text); returns where it ends.
char* WriteFileNumber(char* at, float value);

// A number as shown to the user: up to seven significant digits, no leading
// blank, with the user's decimal separator.
std::string FormatNumber(double value, char decimalSeparator = '.');

}  // namespace common
