#include "lyt/export/drill_writer.h"

#include "lyt/core/board.h"
#include "lyt/export/export_format.h"

namespace lyt {
namespace {

void Line(std::string& out, const std::string& text) {
  out += text;
  out += "\r\n";
}

// A hole's line, made in place and appended whole: y measured up from the
// bottom edge.
void DrillLine(std::string& out, double x, double y) {
  char line[2 * LongestCoordinate + 8];
  char* end = WriteDrillCoordinate(WriteText(line, "X"), x);
  end = WriteDrillCoordinate(WriteText(end, "Y"), static_cast<double>(BoardHeight) - y);
  out.append(line, WriteText(end, "\r\n"));
}

struct Tool {
  float Size;  // the hole's radius
  std::string Code;
};

// Tools in order of first appearance; sizes equal only when exactly equal.
std::vector<Tool> CollectTools(const std::vector<BoardElement>& elements) {
  std::vector<Tool> tools;
  for (const BoardElement& e : elements) {
    if (e.Kind != ElementKind::Hole) continue;
    bool known = false;
    for (const Tool& tool : tools) known = known || tool.Size == e.Size;
    if (!known) tools.push_back({e.Size, "T" + std::to_string(tools.size() + 1)});
  }
  return tools;
}

const std::string& CodeOf(const std::vector<Tool>& tools, float size) {
  for (const Tool& tool : tools)
    if (tool.Size == size) return tool.Code;
  static const std::string none;
  return none;
}

}  // namespace

std::string DrillFileName(const std::string& boardFileName) {
  return PathWithoutExtension(boardFileName) + ".drl";
}

std::optional<std::string> ExportDrill(const std::vector<BoardElement>& elements) {
  const std::vector<Tool> tools = CollectTools(elements);
  if (tools.empty()) return std::nullopt;

  std::string out;
  out.reserve(8 * elements.size());  // some 30 bytes a hole, about one element in four
  Line(out, "M48");
  Line(out, "METRIC,LZ");
  // No comma after the C: readers take it for a decimal point.
  for (const Tool& tool : tools)
    Line(out, tool.Code + "C" + DrillDiameter(2.0 * static_cast<double>(tool.Size)));
  Line(out, "M95");
  Line(out, "M47, debut perçage");
  Line(out, "G05");
  Line(out, "M71");

  std::string current;
  for (const BoardElement& e : elements) {
    if (e.Kind != ElementKind::Hole) continue;
    const std::string& code = CodeOf(tools, e.Size);
    if (code != current) {
      current = code;
      Line(out, code);
    }
    DrillLine(out, e.X1, e.Y1);
  }
  Line(out, "M30");
  return out;
}

}  // namespace lyt
