#pragma once

#include "common/core/csv_fields.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace common {

// The typed fields of a board or schematic file line. Texts are UTF-8 in
// memory, Windows-1252 on disk.

// A number or integer field: unquoted, as number_text.h reads it. False,
// leaving `value` alone, on anything else.
bool ReadNumberField(const CsvField& field, float& value);
bool ReadIntegerField(const CsvField& field, std::int32_t& value);

// A text field, quoted or not, back in UTF-8.
std::string TextOfField(const CsvField& field);

// A text as the file holds it: Windows-1252, with '?' for a character the
// code page lacks and for a line break, which would split its line.
std::string FileText(std::string_view utf8);

}  // namespace common
