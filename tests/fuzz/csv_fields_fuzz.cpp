// The lines and comma-separated fields of document files.
#include "common/core/csv_fields.h"
#include "fuzz_target.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = fuzz::Text(data, size);
  std::vector<std::string_view> lines;
  std::string_view rest = text;
  for (std::string_view line; common::TakeLine(rest, line);) lines.push_back(line);
  const auto breaks = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
  FUZZ_CHECK(lines.size() == breaks + (!text.empty() && text.back() != '\n' ? 1 : 0));

  constexpr std::size_t kCapacity = 64;
  std::array<common::CsvField, kCapacity> fields, again;
  for (std::string_view line : lines) {
    FUZZ_CHECK(line.find('\n') == std::string_view::npos);
    std::size_t count = 0;
    if (!common::ParseCsvLine(line, fields.data(), kCapacity, count)) continue;
    // Every field written back as a string reads back as the same text.
    std::string written;
    common::CsvLineWriter writer(written);
    for (std::size_t i = 0; i < count; ++i) writer.String(common::TextOf(fields[i]));
    writer.End();
    written.resize(written.size() - 2);  // CR LF
    std::size_t againCount = 0;
    FUZZ_CHECK(common::ParseCsvLine(written, again.data(), kCapacity, againCount) && againCount == count);
    for (std::size_t i = 0; i < count; ++i)
      FUZZ_CHECK(again[i].Quoted && common::TextOf(again[i]) == common::TextOf(fields[i]));
  }
  return 0;
}
