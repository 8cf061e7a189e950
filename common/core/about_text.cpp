#include "common/core/about_text.h"

namespace common {
namespace {

const char kBuildNote[] = "Compilé avec Qt 6 pour Linux et Windows";
const char kAuthors[] = "Auteurs : l'équipe Lytplan/Sktplan, 2026";
const char kEmail[] = "Courriel : lytplan@example.org";
const char kWebSite[] = "Site : https://lytplan.example.org";

}  // namespace

std::vector<std::string> AboutLines(Program program) {
  if (program == Program::Lyt)
    return {"Lytplan", "LYT Version 3.1", kBuildNote, kAuthors, kEmail, kWebSite};
  return {"Sktplan", "SKT Version 2", kBuildNote, kAuthors, kEmail};
}

std::string AboutText(Program program) {
  const std::vector<std::string> lines = AboutLines(program);
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += lines[i];
  }
  return text;
}

}  // namespace common
