// A schematic file as the user opens it, and the same bytes as a library
// component taken to be dropped on the schematic.
#include "fuzz_target.h"
#include "skt/core/schematic_file.h"
#include "support/test_files.h"

#include <algorithm>
#include <filesystem>

namespace {

constexpr std::int32_t SchematicLastGroup = 7;

// The program folder, of the process's own, removed at exit.
const testing_support::TempFolder& Program() {
  static const testing_support::TempFolder folder;
  return folder;
}

const std::string& ComponentPath() {
  static const std::string path = Program().File("composants/essai/essai.Cmp");
  std::filesystem::create_directories(std::filesystem::u8path(path).parent_path());
  return path;
}

bool Open(skt::Schematic& schematic, const std::string& path) {
  schematic.FileName = path;
  return !skt::ReadDocument(schematic);
}

bool Take(skt::Schematic& schematic) {
  schematic.LastGroup = SchematicLastGroup;
  return !skt::ReadComponent(schematic, Program().Path().u8string(), "essai", "essai");
}

// Each item in hand is a record of the file, with the schematic's group.
void CheckTakenAsRead(const skt::Schematic& taken, const skt::Schematic& read) {
  FUZZ_CHECK(taken.Pending.size() == read.Elements.size());
  for (std::size_t i = 0; i < taken.Pending.size(); ++i) {
    const skt::PendingItem& item = taken.Pending[i];
    const skt::SchematicElement& element = read.Elements[i];
    FUZZ_CHECK(item.Group == SchematicLastGroup && item.Index == 0 && item.Active &&
               item.MoveMode == skt::PendingMove::Whole);
    FUZZ_CHECK(item.Kind == element.Kind && item.X1 == element.X1 && item.Text == element.Text);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = Program().File("essai.Skt");
  const std::string bytes(fuzz::Text(data, size));
  testing_support::WriteBytes(path, bytes);
  testing_support::WriteBytes(ComponentPath(), bytes);
  skt::Schematic opened, taken;
  const bool complete = Open(opened, path);
  // The library takes only a component's magic, the document both.
  if (Take(taken)) {
    FUZZ_CHECK(complete);
    CheckTakenAsRead(taken, opened);
  }
  if (!complete) return 0;
  std::int32_t largest = 0;
  for (const skt::SchematicElement& element : opened.Elements)
    largest = std::max(largest, element.Group);
  FUZZ_CHECK(opened.LastGroup == common::NextGroup(largest));

  // Saved and read back, it is written again to the same bytes.
  const std::string written = skt::WriteDocument(opened);
  testing_support::WriteBytes(path, written);
  skt::Schematic again, retaken;
  FUZZ_CHECK(Open(again, path) && skt::WriteDocument(again) == written);

  // Saved into the library as a component, it is taken again.
  again.FileName = ComponentPath();
  testing_support::WriteBytes(ComponentPath(), skt::WriteDocument(again));
  FUZZ_CHECK(Take(retaken));
  CheckTakenAsRead(retaken, again);
  return 0;
}
