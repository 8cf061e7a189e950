#include "common/core/command_line.h"

#include "common/core/about_text.h"

#include <cstddef>
#include <sstream>

namespace common {
namespace {

const char* ProgramName(Program program) { return program == Program::Lyt ? "lyt" : "skt"; }

CommandLine Wrong(Program program, const std::string& problem) {
  CommandLine command;
  command.Kind = CommandKind::Wrong;
  command.Problem = problem + "\n(" + ProgramName(program) + " --help donne l'usage)";
  return command;
}

std::string Joined(const std::vector<std::string>& arguments) {
  std::string text;
  for (const std::string& argument : arguments) text += (text.empty() ? "" : " ") + argument;
  return text;
}

// "composant,soudure,serigraphie,percage", any of them, in any order; an
// empty list ticks nothing (the print then says so). False on a name that is
// none of them.
bool ReadLayers(const std::string& list, PrintLayers& layers, std::string& unknown) {
  layers = {false, false, false, false};
  std::istringstream names(list);
  for (std::string name; std::getline(names, name, ',');) {
    bool* tick = name == "composant"     ? &layers.Component
                 : name == "soudure"     ? &layers.Solder
                 : name == "serigraphie" ? &layers.Silkscreen
                 : name == "percage"     ? &layers.Drill
                                         : nullptr;
    if (!tick) {
      unknown = name;
      return false;
    }
    *tick = true;
  }
  return true;
}

// The print options, which only the board has, and the file names in order.
CommandLine ReadOutputArguments(Program program, CommandKind kind,
                                const std::vector<std::string>& arguments) {
  CommandLine command;
  command.Kind = kind;
  std::vector<std::string> files;
  const bool printOptions = kind == CommandKind::Pdf && program == Program::Lyt;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const bool takesValue = argument == "--layers" || argument == "--echelle";
    if (argument.rfind("--", 0) != 0) {
      files.push_back(argument);
    } else if (!printOptions || (argument != "--noir" && !takesValue)) {
      return Wrong(program, "Option inconnue ici : " + argument);
    } else if (argument == "--noir") {
      command.Black = true;
    } else if (i + 1 == arguments.size()) {
      return Wrong(program, "Valeur manquante après " + argument);
    } else if (argument == "--echelle") {
      command.Scale = arguments[++i];
    } else if (std::string unknown; !ReadLayers(arguments[++i], command.Layers, unknown)) {
      return Wrong(program, "Couche inconnue : " + unknown);
    }
  }
  const std::size_t wanted = kind == CommandKind::Pdf ? 2 : 1;
  if (files.size() != wanted)
    return Wrong(program, arguments.front() + (wanted == 2 ? " attend un document et un fichier PDF"
                                                           : " attend un document"));
  command.Document = files[0];
  if (wanted == 2) command.Output = files[1];
  return command;
}

}  // namespace

CommandLine ParseCommandLine(Program program, const std::vector<std::string>& arguments) {
  CommandLine command;
  if (arguments.empty()) return command;
  const std::string& first = arguments.front();
  if (first.rfind("--", 0) != 0) {
    command.Document = Joined(arguments);
    return command;
  }
  const bool alone = arguments.size() == 1;
  if (first == "--help" && alone) command.Kind = CommandKind::Help;
  else if (first == "--version" && alone) command.Kind = CommandKind::Version;
  else if (first == "--pdf") return ReadOutputArguments(program, CommandKind::Pdf, arguments);
  else if (program == Program::Lyt && first == "--gerber")
    return ReadOutputArguments(program, CommandKind::Gerber, arguments);
  else if (program == Program::Lyt && first == "--drill")
    return ReadOutputArguments(program, CommandKind::Drill, arguments);
  else return Wrong(program, "Option inconnue : " + Joined(arguments));
  return command;
}

std::string UsageText(Program program) {
  if (program == Program::Lyt)
    return "Usage :\n"
           "  lyt [CIRCUIT.Lyt]            ouvre l'éditeur, sur le circuit s'il est donné\n"
           "  lyt --gerber CIRCUIT.Lyt     écrit les trois fichiers Gerber à côté du circuit\n"
           "  lyt --drill CIRCUIT.Lyt      écrit le fichier de perçage à côté du circuit\n"
           "  lyt --pdf CIRCUIT.Lyt SORTIE.pdf [--layers composant,soudure,serigraphie,percage]\n"
           "      [--noir] [--echelle S]   imprime le circuit dans un fichier PDF (par défaut :\n"
           "                               les quatre couches, en couleur, échelle 1)\n"
           "  lyt --help | --version\n"
           "Sans fenêtre, les messages vont sur la sortie d'erreur ; le code de sortie vaut 0\n"
           "quand tout est écrit, 1 sinon, 2 pour une ligne de commande incorrecte.\n";
  return "Usage :\n"
         "  skt [SCHEMA.Skt]             ouvre l'éditeur, sur le schéma s'il est donné\n"
         "  skt --pdf SCHEMA.Skt SORTIE.pdf\n"
         "                               imprime le schéma dans un fichier PDF\n"
         "  skt --help | --version\n"
         "Sans fenêtre, les messages vont sur la sortie d'erreur ; le code de sortie vaut 0\n"
         "quand tout est écrit, 1 sinon, 2 pour une ligne de commande incorrecte.\n";
}

std::string VersionText(Program program) { return AboutLines(program).at(1); }

}  // namespace common
