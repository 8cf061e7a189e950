// The component library: its families and the components of each.
#include "skt/core/component_library.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using Names = std::vector<std::string>;
namespace fs = std::filesystem;

// Families are the folders of the root, components the files with the
// extension in any case, both sorted ignoring case; "c.cmp" and "c.CMP"
// open the same component and are listed once. A family asked in another
// letter case is still found.
TEST(ComponentLibrary, ListsFamiliesAndTheirComponents) {
  testing_support::TempFolder folder;
  const std::string program = folder.Path().u8string();
  const fs::path root = folder.Path() / "composants";
  EXPECT_TRUE(skt::ListFamilies(program).empty()) << "no library";
  for (const char* family : {"transistors", "Résistances", "CI", "Connecteurs/R.Cmp"})
    fs::create_directories(root / fs::u8path(family));
  testing_support::WriteBytes((root / "lisez-moi.Cmp").u8string(), "");
  EXPECT_EQ(skt::ListFamilies(program),
            (Names{"CI", "Connecteurs", "Résistances", "transistors"}));

  for (const char* name : {"b.cmp", "Zeta.Cmp", "alpha.Cmp", "c.CMP", "c.cmp", "R.Cmp.bak", ".Cmp",
                           "notes.txt", "cmp"})
    testing_support::WriteBytes((root / "CI" / name).u8string(), "");
  EXPECT_EQ(skt::ListComponents(program, "CI"), (Names{"alpha", "b", "c", "Zeta"}));
  EXPECT_EQ(skt::ListComponents(program, "ci"), (Names{"alpha", "b", "c", "Zeta"}));
  EXPECT_TRUE(skt::ListComponents(program, "Connecteurs").empty()) << "a folder is no component";
  EXPECT_TRUE(skt::ListComponents(program, "Absent").empty());
}

}  // namespace
