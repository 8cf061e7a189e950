#pragma once

#include "common/core/file_problem.h"
#include "skt/core/schematic.h"

#include <optional>
#include <string>

namespace skt {

// Schematic (".Skt", magic "SKT 1") and component (".Cmp", magic "CMP 1")
// files: Windows-1252 text, CR LF line ends, the magic line, then one line of
// nine fields per live element: Group, Kind, Size, X1, Y1, X2, Y2, "Text",
// Angle. A quote inside a text is doubled; the readers take the fields as
// one stream, so a record may run over two lines.

constexpr const char* SchematicMagic = "SKT 1";
constexpr const char* ComponentMagic = "CMP 1";

// The messages of a library component that cannot be read.
inline constexpr const char* ComponentNotFoundText = "Fichier composant Introuvable!";
inline constexpr const char* ComponentUnreadableText =
    "Fichier composant incorrect,\r\nlecture impossible !";

// True when the last three letters of `fileName`, upper-cased, are "CMP".
bool IsComponentFileName(const std::string& fileName);

// The file text of the schematic: the magic chosen by FileName ("CMP 1" for
// a component, "SKT 1" otherwise, so every file written reads back), then
// the live elements in table order.
std::string WriteDocument(const Schematic& schematic);

struct SaveOutcome {
  bool Saved = false;
  bool RefillComponentList = false;  // a component file was saved
  std::optional<common::FileProblem> Problem;
};

// Saves the schematic to FileName through a temporary file. Modified is
// cleared only when the file was written.
SaveOutcome SaveDocumentFile(Schematic& schematic);

// Reads FileName into a schematic freshly reset by InitDocument, appending
// to Elements; both magics are taken. Nothing when the whole file was read;
// on an error what was read before it stays, and LastGroup is the largest
// group read so far (the largest plus one after a whole file).
std::optional<common::FileProblem> ReadDocument(Schematic& schematic);

// Reads the library component `component` of family `family` (programFolder/
// composants/<family>/<component>.Cmp, names matched in any letter case) into
// the empty Pending: every item active, moving as a whole, stamped with
// LastGroup. Schematic files are refused. Nothing on success; on a failure
// the items read before it stay in Pending.
std::optional<common::FileProblem> ReadComponent(Schematic& schematic,
                                                 const std::string& programFolder,
                                                 const std::string& family,
                                                 const std::string& component);

}  // namespace skt
