#include "common/core/library_folder.h"
#include "skt/core/schematic_file.h"
#include "skt/core/schematic_file_lines.h"

#include <algorithm>
#include <filesystem>

namespace skt {
namespace fs = std::filesystem;
namespace {

// The letters only: the digit after them is the version, which every reader
// takes.
bool HasMagicLetters(const std::string& magic, const char* letters) {
  return magic.compare(0, 3, letters) == 0;
}

bool IsDocumentMagic(const std::string& magic) {
  return HasMagicLetters(magic, "SKT") || HasMagicLetters(magic, "CMP");
}

// LastGroup ends as the largest group read, whether or not every record was.
bool ReadDocumentContents(std::string_view contents, Schematic& schematic) {
  auto acceptMagic = [&schematic](const std::string& magic) {
    if (!IsDocumentMagic(magic)) return false;
    schematic.LastGroup = 0;
    return true;
  };
  return ReadRecords(contents, acceptMagic, [&schematic](SchematicElement&& element) {
    schematic.LastGroup = std::max(schematic.LastGroup, element.Group);
    schematic.Elements.push_back(std::move(element));
  });
}

bool ReadComponentContents(std::string_view contents, Schematic& schematic) {
  auto acceptMagic = [](const std::string& magic) { return HasMagicLetters(magic, "CMP"); };
  return ReadRecords(contents, acceptMagic, [&schematic](SchematicElement&& element) {
    PendingItem item = ItemFromElement(element, 0, PendingMove::Whole);
    item.Group = schematic.LastGroup;  // the real number is given when the component is dropped
    schematic.Pending.push_back(std::move(item));
  });
}

std::string ComponentPath(const std::string& programFolder, const std::string& family,
                          const std::string& component) {
  const fs::path folder =
      common::FindEntryIgnoringCase(fs::u8path(programFolder) / "composants", family);
  return common::FindEntryIgnoringCase(folder, component, ".Cmp").u8string();
}

}  // namespace

std::optional<common::FileProblem> ReadDocument(Schematic& schematic) {
  std::string contents;
  if (auto problem = common::LoadDocumentText(schematic.FileName, contents,
                                              common::FileNotFoundText, common::WrongFileTypeText))
    return problem;
  if (!ReadDocumentContents(contents, schematic))
    return common::UnreadableFile(common::WrongFileTypeText);
  schematic.LastGroup = NextGroup(schematic.LastGroup);
  return std::nullopt;
}

std::optional<common::FileProblem> ReadComponent(Schematic& schematic,
                                                 const std::string& programFolder,
                                                 const std::string& family,
                                                 const std::string& component) {
  // An empty family or component list names no file at all.
  if (family.empty() || component.empty())
    return common::FileProblem{ComponentNotFoundText, common::MessageIcon::Exclamation};
  const std::string path = ComponentPath(programFolder, family, component);
  std::string contents;
  if (auto problem =
          common::LoadDocumentText(path, contents, ComponentNotFoundText, ComponentUnreadableText))
    return problem;
  if (!ReadComponentContents(contents, schematic))
    return common::UnreadableFile(ComponentUnreadableText);
  return std::nullopt;
}

}  // namespace skt
