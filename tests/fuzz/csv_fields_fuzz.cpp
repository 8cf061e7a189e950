// The lines and comma-separated fields of document files.
#include "common/core/csv_fields.h"
#include "fuzz_target.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = fuzz::Text(data, size);
  const std::vector<std::string_view> lines = common::SplitLines(text);
  const auto breaks = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
  FUZZ_CHECK(lines.size() == breaks + (!text.empty() && text.back() != '\n' ? 1 : 0));

  std::vector<common::CsvField> fields;
  std::vector<common::CsvField> again;
  for (std::string_view line : lines) {
    FUZZ_CHECK(line.find('\n') == std::string_view::npos);
    if (!common::ParseCsvLine(line, fields)) continue;
    // Every field written back as a string reads back as the same text.
    common::CsvLineWriter writer;
    for (const common::CsvField& field : fields) writer.String(field.Text);
    std::string written = writer.Line();
    written.resize(written.size() - 2);  // CR LF
    FUZZ_CHECK(common::ParseCsvLine(written, again) && again.size() == fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i)
      FUZZ_CHECK(again[i].Quoted && again[i].Text == fields[i].Text);
  }
  return 0;
}
