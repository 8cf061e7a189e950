#include "common/core/document_fields.h"

#include "common/core/number_text.h"
#include "common/core/text_encoding.h"

namespace common {

bool ReadNumberField(const CsvField& field, float& value) {
  return !field.Quoted && ReadFileNumber(field.Text, value);
}

bool ReadIntegerField(const CsvField& field, std::int32_t& value) {
  return !field.Quoted && ReadFileInteger(field.Text, value);
}

std::string TextOfField(const CsvField& field) { return Cp1252ToUtf8(field.Text); }

std::string FileText(std::string_view utf8) {
  std::string text = Utf8ToCp1252(utf8);
  for (char& c : text)
    if (c == '\r' || c == '\n') c = '?';
  return text;
}

}  // namespace common
