// The command line: a document for the window, or an output made without it.
#include "common/core/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using common::CommandKind;
using common::Program;

struct Case {
  Program Which;
  std::vector<std::string> Arguments;
  CommandKind Kind;
  std::string Document;  // Wrong: a part of the problem instead
  std::string Output;
  bool Component = true, Solder = true, Silkscreen = true, Drill = true, Black = false;
  std::string Scale = "1";
};

class CommandLineTest : public ::testing::TestWithParam<Case> {};

TEST_P(CommandLineTest, ReadsWhatIsAsked) {
  const Case& c = GetParam();
  const common::CommandLine command = common::ParseCommandLine(c.Which, c.Arguments);
  ASSERT_EQ(command.Kind, c.Kind) << command.Problem;
  if (c.Kind == CommandKind::Wrong) {
    EXPECT_NE(command.Problem.find(c.Document), std::string::npos) << command.Problem;
    return;
  }
  EXPECT_EQ(std::make_pair(command.Document, command.Output), std::make_pair(c.Document, c.Output));
  const common::PrintLayers& layers = command.Layers;
  EXPECT_EQ(std::vector<bool>({layers.Component, layers.Solder, layers.Silkscreen, layers.Drill, command.Black}),
            std::vector<bool>({c.Component, c.Solder, c.Silkscreen, c.Drill, c.Black}));
  EXPECT_EQ(command.Scale, c.Scale);
}

const Program L = Program::Lyt, S = Program::Skt;

// Help, version, the drill and the plain PDF of either program are seen
// through the built programs (tests/command_line).
INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLineTest,
    ::testing::Values(
        Case{L, {}, CommandKind::Window, "", ""},
        // A path with spaces, unquoted, and one that only starts with a dash.
        Case{L, {"mon", "circuit.Lyt"}, CommandKind::Window, "mon circuit.Lyt", ""},
        Case{S, {"-x.Skt"}, CommandKind::Window, "-x.Skt", ""},
        Case{L, {"--gerber", "a b.Lyt"}, CommandKind::Gerber, "a b.Lyt", ""},
        Case{L, {"--pdf", "--noir", "a.Lyt", "--layers", "percage,soudure", "o.pdf", "--echelle", "2.5"},
             CommandKind::Pdf, "a.Lyt", "o.pdf", false, true, false, true, true, "2.5"},
        Case{L, {"--pdf", "a.Lyt", "o.pdf", "--layers", "serigraphie,composant"}, CommandKind::Pdf,
             "a.Lyt", "o.pdf", true, false, true, false},
        // The schematic has no Gerber, drill or print options.
        Case{S, {"--gerber", "s.Skt"}, CommandKind::Wrong, "--gerber", ""},
        Case{S, {"--pdf", "s.Skt", "o.pdf", "--noir"}, CommandKind::Wrong, "--noir", ""},
        Case{L, {"--pdf", "a.Lyt"}, CommandKind::Wrong, "--pdf", ""},
        Case{L, {"--gerber", "a.Lyt", "b.Lyt"}, CommandKind::Wrong, "--gerber", ""},
        Case{L, {"--pdf", "a.Lyt", "o.pdf", "--layers", "soudure,cuivre"}, CommandKind::Wrong, "cuivre", ""},
        Case{L, {"--pdf", "a.Lyt", "o.pdf", "--echelle"}, CommandKind::Wrong, "--echelle", ""},
        Case{L, {"--gerbr", "a.Lyt"}, CommandKind::Wrong, "--gerbr", ""},
        Case{L, {"--help", "a.Lyt"}, CommandKind::Wrong, "--help", ""}));

}  // namespace
