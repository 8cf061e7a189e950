// Schematic and component files: the writer, both readers, saving, the
// round trip between them, and the component library's lists; then every
// component shipped in the library, read with the program's own reader,
// holds what placing it and a later netlist rely on.
#include "common/core/library_folder.h"
#include "skt/core/component_library.h"
#include "skt/core/schematic_file.h"
#include "support/schematic_test_support.h"

#include <cmath>
#include <filesystem>
#include <limits>
#include <set>
#include <string>
#include <tuple>

namespace {

using namespace skt;
using namespace skt::ElementKind;
using namespace schematic_tests;
using common::MessageIcon;
using testing_support::Describe;
using Names = std::vector<std::string>;
namespace fs = std::filesystem;

Schematic SchematicOf(const std::string& fileName, const std::vector<SchematicElement>& elements) {
  Schematic schematic;
  std::tie(schematic.FileName, schematic.Elements) = std::tie(fileName, elements);
  return schematic;
}

const std::string Skt = "\"SKT 1\"\r\n";
const std::string WireLine = "0,1,0,10,20,35,20,\"\",0\r\n";
const SchematicElement kWire = Element(0, Wire, 10, 20, 35, 20);
const common::FileProblem kWrongType{common::WrongFileTypeText, MessageIcon::Critical};

// The magic follows the extension in any case, any other name gets the
// schematic's; deleted elements are left out; texts go to Windows-1252, a
// quote doubled, what the code page lacks, malformed UTF-8 (a lone
// continuation byte, an overlong form, a cut sequence) and line breaks as
// '?'. That what is written reads back to the same bytes is checked on every
// input of the fuzz corpus replay (texts with quotes and accents among them).
TEST(SchematicFileWrite, MagicByExtensionLiveElementsAndTexts) {
  const std::tuple<const char*, std::vector<SchematicElement>, std::string> cases[] = {
      {"essai.Skt", {kWire}, Skt + WireLine}, {"ESSAI.SKT", {kWire}, Skt + WireLine},
      {"notes.txt", {kWire}, Skt + WireLine}, {"vide.Skt", {Element(3, Deleted, 1, 1)}, Skt},
      {"R.cmp", {kWire}, "\"CMP 1\"\r\n" + WireLine},
      {"textes.Cmp",
       {Element(4, Circle, 0.635f, -1.27f, 0, 0, 2.5f), Element(4, Deleted, 5, 5), kWire,
        Element(0, Text, 1, 2, 30, 5, 1.5f, "R1, \"C2\" é 1€ ✓ µœ«»°ç Ω→😀\x80\xC0\xAF\xC3", 90),
        Element(7, 8, 123456.7f, 1e-6f, 0, 0, 0.1f, "a\r\nb\nc", 270)},
       "\"CMP 1\"\r\n4,9,2.5,0.635,-1.27,0,0,\"\",0\r\n" + WireLine +
           "0,10,1.5,1,2,30,5,\"R1, \"\"C2\"\" \xE9 1\x80 ? \xB5\x9C\xAB\xBB\xB0\xE7 ??????\",90\r\n"
           "7,8,0.1,123456.7,0.000001,0,0,\"a??b?c\",270\r\n"}};
  for (const auto& [fileName, elements, expected] : cases)
    EXPECT_EQ(WriteDocument(SchematicOf(fileName, elements)), expected) << fileName;
}

// The bytes of the file, the problem, the records read as the writer writes
// them (after the SKT magic), and LastGroup afterwards.
using ReadCase =
    std::tuple<std::string, std::optional<common::FileProblem>, std::string, std::int32_t>;

TEST(SchematicFileRead, RecordsLastGroupAndProblemOfEachFile) {
  const std::string junction = "2,5,0,3,4,0,0,\"\",0\r\n";
  const std::string circle = "5,9,1,3,4,0,0,\"a\"\"b\",0\r\n";  // a quote in its text
  const std::string good = Skt + WireLine + circle + junction;
  std::vector<ReadCase> cases = {
      {good, {}, WireLine + circle + junction, 6},
      {"\"CMP 1\"\r\n" + junction, {}, junction, 3},
      {"\"SKT 7\"\r\n" + junction, {}, junction, 3},  // another version
      {Skt, {}, "", 1},
      // Line feeds alone, no final line end, a record over two lines and
      // two on one, other spellings of numbers and an unquoted text.
      {"\"SKT 1\"\n2,5,0,3\n4,0,0,\"\",0,0,10, .5 ,1E-05,-2,1.5e2,0, t ,90", {},
       junction + "0,10,0.5,0.00001,-2,150,0,\"t\",90\r\n", 3}};
  // Another magic: nothing is read.
  for (const char* bytes : {"\"skt 1\"\r\n", "\"XYZ 1\"\r\n", "\"SK\"\r\n", "", "\r\n", "\"SKT 1"})
    cases.push_back({std::string(bytes) + junction, kWrongType, "", 0});
  // A damaged record: those before it stay, LastGroup is the largest group
  // read so far, without the increment of a complete read.
  for (const char* last : {"0,1,1,0,0,3,3,\"\"\r\n", "0,1,x,0,0,3,3,\"\",0\r\n",
                           "0,\"1\",1,0,0,3,3,\"\",0\r\n", "0,1,\"1\",0,0,3,3,\"\",0\r\n",
                           "0,1,1,0,0,3,3,\"abc,0\r\n", "0,1,1,0,0,3,3,\"a\"b,0\r\n",
                           "0,1,1e39,0,0,3,3,\"\",0\r\n", "\r\n"})
    cases.push_back({good + last, kWrongType, WireLine + circle + junction, 5});
  TempFolder folder;
  for (const auto& [bytes, problem, records, lastGroup] : cases) {
    SCOPED_TRACE(bytes);
    Schematic schematic = SchematicOf(folder.File("lu.Skt"), {});
    WriteBytes(schematic.FileName, bytes);
    EXPECT_EQ(std::make_pair(Describe(ReadDocument(schematic)), schematic.LastGroup),
              std::make_pair(Describe(problem), lastGroup));
    EXPECT_EQ(WriteDocument(schematic), Skt + records);
  }
  // A missing file is told apart from one that cannot be read (a folder:
  // seen with a component).
  Schematic missing = SchematicOf(folder.File("absent.Skt"), {});
  EXPECT_EQ(Describe(ReadDocument(missing)),
            Describe(common::FileProblem{common::FileNotFoundText, MessageIcon::Exclamation}));
}

// Families are the folders of the root, components the files with the
// extension in any case, both sorted ignoring case; "b.cmp" and "b.CMP" open
// the same component and are listed once, "R" and "r" are two. A component
// is found in any letter case of its family, its own name first ("schema"
// takes "Schema.Cmp" when nothing closer exists), and taken into Pending
// (each item active, moving whole, with the current group counter: seen in
// every shipped component and in the fuzz replay); a schematic is refused
// even with good records, a damaged file keeps the items read before the
// damage.
TEST(ComponentLibrary, ListsFamiliesAndReadsComponentsIntoPending) {
  TempFolder folder;
  const std::string program = folder.Path().u8string();
  const fs::path root = folder.Path() / "composants";
  EXPECT_TRUE(ListFamilies(program).empty()) << "no library";
  for (const char* family : {"transistors", "Résistances", "passifs", "Connecteurs/R.Cmp"})
    fs::create_directories(root / fs::u8path(family));
  WriteBytes((root / "lisez-moi.Cmp").u8string(), "");
  EXPECT_EQ(ListFamilies(program), (Names{"Connecteurs", "passifs", "Résistances", "transistors"}));
  const std::string cmp = "\"CMP 1\"\r\n";
  const std::string resistor = "0,1,0,30,40,35,40,\"\",0\r\n3,10,2,30,40,0,0,\"R\",0\r\n";
  const std::pair<const char*, std::string> files[] = {
      {"R.cmp", cmp + resistor},      {"r.cmp", cmp + "0,4,0,30,40,30,45,\"\",0\r\n"},
      {"Schema.Cmp", Skt + resistor}, {"Abime.Cmp", cmp + resistor + "0,1,x"},
      {"b.cmp", ""},                  {"b.CMP", ""},
      {"R.Cmp.bak", ""},              {".Cmp", ""},
      {"notes.txt", ""},              {"cmp", ""}};
  for (const auto& [name, bytes] : files) WriteBytes((root / "passifs" / name).u8string(), bytes);
  EXPECT_EQ(ListComponents(program, "Passifs"), (Names{"Abime", "b", "R", "r", "Schema"}));
  EXPECT_TRUE(ListComponents(program, "Connecteurs").empty()) << "a folder is no component";
  EXPECT_TRUE(ListComponents(program, "Absent").empty());

  const common::FileProblem notFound{ComponentNotFoundText, MessageIcon::Exclamation};
  const common::FileProblem unreadable{ComponentUnreadableText, MessageIcon::Critical};
  using ComponentCase =
      std::tuple<const char*, const char*, std::optional<common::FileProblem>, std::size_t>;
  const ComponentCase cases[] = {
      {"Passifs", "R", {}, 2},              {"PASSIFS", "R", {}, 2},
      {"passifs", "r", {}, 1},              {"Passifs", "Schema", unreadable, 0},
      {"Passifs", "schema", unreadable, 0}, {"Passifs", "Abime", unreadable, 2},
      {"Passifs", "C", notFound, 0},        {"", "R", notFound, 0},
      {"Passifs", "", notFound, 0},         {"Connecteurs", "R", unreadable, 0}};
  for (const auto& [familyName, name, problem, items] : cases) {
    SCOPED_TRACE(std::string(familyName) + "/" + name);
    Schematic schematic = SchematicOf("essai.Skt", {kWire});
    schematic.LastGroup = 6;
    const auto read = ReadComponent(schematic, program, familyName, name);
    EXPECT_EQ(std::make_pair(Describe(read), schematic.Pending.size()),
              std::make_pair(Describe(problem), items));
    EXPECT_EQ(std::make_pair(schematic.Elements.size(), schematic.LastGroup),
              std::make_pair(std::size_t{1}, 6));
  }
}

// A refused save leaves the previous file and Modified as they were: a
// read-only file, a folder that is not there, a number the file cannot hold.
TEST(SchematicFileSave, ClearsModifiedOnlyWhenWritten) {
  TempFolder folder;
  const std::string locked = folder.File("verrou.Skt"), old = "ancien";
  WriteBytes(locked, old);
  fs::permissions(fs::u8path(locked), fs::perms::owner_read);
  const std::string infinite = folder.File("inf.Skt"), nowhere = folder.File("absent/R.Cmp");
  const SchematicElement deletedNaN = Element(0, Deleted, std::nanf(""), 0);
  const SchematicElement farAway = Element(0, Wire, std::numeric_limits<float>::infinity(), 0);
  const std::string writeProtected =
      Describe(common::FileProblem{common::WriteProtectedText, MessageIcon::Exclamation});
  // The file, its elements, the problem, whether the component list is to
  // be refilled, and the file's bytes afterwards.
  using SaveCase =
      std::tuple<std::string, std::vector<SchematicElement>, std::string, bool, std::string>;
  const SaveCase cases[] = {
      {folder.File("essai.Skt"), {kWire, deletedNaN}, "none", false, Skt + WireLine},
      {folder.File("R.Cmp"), {kWire}, "none", true, "\"CMP 1\"\r\n" + WireLine},
      {locked, {kWire}, writeProtected, false, old},
      {nowhere, {kWire}, Describe(common::CannotWrite(nowhere)), false, ""},
      {infinite, {kWire, farAway}, Describe(common::CannotWrite(infinite)), false, ""}};
  for (const auto& [fileName, elements, problem, refill, bytes] : cases) {
    SCOPED_TRACE(fileName);
    Schematic schematic = SchematicOf(fileName, elements);
    schematic.Modified = true;
    const SaveOutcome outcome = SaveDocumentFile(schematic);
    const bool saved = problem == "none";
    EXPECT_EQ(std::make_tuple(outcome.Saved, outcome.RefillComponentList, Describe(outcome.Problem),
                              schematic.Modified, ReadBytes(fileName)),
              std::make_tuple(saved, refill, problem, !saved, bytes));
  }
}

const std::string kLibrary = LYTSKT_SOURCE_DIR "/library";
const std::string kFootprintPrefix = "Empreinte=";

// Pin 1 is the handle: the first element is a wire starting on the 1 mm
// grid. Each pin record is a point on the free end of a lead, numbered once;
// one record names a footprint the board library has.
void ExpectPlaceableComponent(const std::vector<PendingItem>& items) {
  ASSERT_FALSE(items.empty());
  EXPECT_EQ(items[0].Kind, Wire);
  EXPECT_TRUE(items[0].X1 == std::round(items[0].X1) && items[0].Y1 == std::round(items[0].Y1));
  std::vector<std::string> footprints;
  std::set<std::string> pins;
  for (const PendingItem& item : items) {
    if (item.Kind == Footprint) footprints.push_back(item.Text);
    if (item.Kind == Pin) pins.insert(item.Text);
  }
  EXPECT_EQ(PinsOnLeadEnds(items), static_cast<int>(pins.size())) << "on lead ends, once each";
  EXPECT_GE(pins.size(), 2u);
  EXPECT_EQ(pins.count("1"), 1u);
  ASSERT_EQ(footprints.size(), 1u);
  ASSERT_EQ(footprints[0].rfind(kFootprintPrefix, 0), 0u);
  const std::string footprint = footprints[0].substr(kFootprintPrefix.size());
  EXPECT_TRUE(
      fs::exists(common::FindEntryIgnoringCase(kLibrary + "/empreintes", footprint, ".Emp")))
      << footprint;
}

// Forty components at least, so the library was found. How the items come
// into Pending (group, active, moving whole) is checked on every component
// the fuzz corpus replay reads.
TEST(ShippedFiles, EveryLibraryComponentReadsAndPlaces) {
  std::size_t count = 0;
  for (const std::string& family : ListFamilies(kLibrary))
    for (const std::string& name : ListComponents(kLibrary, family)) {
      SCOPED_TRACE(family + "/" + name);
      ++count;
      Schematic schematic;
      ASSERT_FALSE(ReadComponent(schematic, kLibrary, family, name));
      ExpectPlaceableComponent(schematic.Pending);
    }
  EXPECT_GE(count, 40u);
}

// The example schematic reads whole and is saved back to the same bytes.
TEST(ShippedFiles, ExampleSchematicSavesUnchanged) {
  Schematic example;
  example.FileName = LYTSKT_SOURCE_DIR "/examples/clignotant.Skt";
  ASSERT_FALSE(ReadDocument(example));
  EXPECT_EQ(WriteDocument(example), ReadBytes(example.FileName));
}

}  // namespace
