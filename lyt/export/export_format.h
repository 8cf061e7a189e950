#pragma once

#include <cstdint>
#include <string>

namespace lyt {

// Number and file-name rules shared by the photoplot and drill files. Every
// number uses the full stop, whatever the user's regional settings.

// Millimetres as whole thousandths, halves to even (clamped to 32 bits, as a
// damaged file may hold any number).
std::int64_t Thousandths(double mm);

// The longest coordinate text: a sign and ten digits, or, for the drill,
// a sign, seven digits, the point and three decimals.
constexpr int LongestCoordinate = 12;

// A Gerber coordinate: whole thousandths of a millimetre, "-" when negative.
std::string GerberCoordinate(double mm);
// The same written at `at`, which has room for LongestCoordinate
// characters; returns where it ends.
char* WriteGerberCoordinate(char* at, double mm);

// A Gerber aperture dimension (##0.###): up to three decimals, trailing
// zeros dropped, a whole number keeping its point ("1.").
std::string ApertureDimension(double mm);

// A drill diameter (##0.000): "0.800".
std::string DrillDiameter(double mm);

// A drill coordinate (###.000): no digit forced before the point, ".500".
std::string DrillCoordinate(double mm);
char* WriteDrillCoordinate(char* at, double mm);

// Copies a C string to `at` and returns where it ends: for the fixed parts
// of a line assembled in place.
char* WriteText(char* at, const char* text);

// The document path without the extension of its file name, so that the
// exported files lie beside it: "/a/essai.Lyt" gives "/a/essai".
std::string PathWithoutExtension(const std::string& path);

}  // namespace lyt
