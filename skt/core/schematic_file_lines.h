#pragma once

#include "skt/core/schematic_element.h"

#include <functional>
#include <string>
#include <string_view>

namespace skt {

// The lines of a schematic or component file, shared by the writer and both
// readers. Texts are UTF-8 in memory, Windows-1252 on disk.

constexpr std::size_t RecordFieldCount = 9;

// Each appends its line, CR LF included, to the file's text.
void AppendMagicLine(std::string& out, std::string_view magic);
void AppendElementLine(std::string& out, const SchematicElement& element);

// Reads file contents as one stream of fields, a line end separating them
// like a comma: the first field is the magic, handed to `acceptMagic`, then
// every nine fields are one record, handed to `take`. False at the first
// thing that cannot be read (refused magic, malformed field, incomplete
// record); the records taken before it stay taken.
bool ReadRecords(std::string_view contents,
                 const std::function<bool(const std::string& magic)>& acceptMagic,
                 const std::function<void(SchematicElement&&)>& take);

}  // namespace skt
