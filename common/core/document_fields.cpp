#include "common/core/document_fields.h"

#include "common/core/number_text.h"
#include "common/core/text_encoding.h"

namespace common {

bool ReadNumberField(const CsvField& field, float& value) {
  return !field.Quoted && ReadFileNumber(field.Raw, value);
}

bool ReadIntegerField(const CsvField& field, std::int32_t& value) {
  return !field.Quoted && ReadFileInteger(field.Raw, value);
}

std::string TextOfField(const CsvField& field) {
  // Doubled quotes are rare: most texts convert straight from the line.
  if (field.Quoted && field.Raw.find('"') != std::string_view::npos)
    return Cp1252ToUtf8(TextOf(field));
  return Cp1252ToUtf8(field.Raw);
}

bool LineFields::Pass(std::size_t length) {
  if (length == 0) return false;
  if (length == rest_.size()) {
    ended_ = true;
  } else if (rest_[length] == ',') {
    ++length;
  } else {
    return false;  // more after the field than blanks
  }
  rest_.remove_prefix(length);
  return true;
}

bool LineFields::Number(float& value) {
  float read = 0.0f;
  if (ended_ || !Pass(ReadFileNumberAt(rest_, read))) return false;
  value = read;
  return true;
}

bool LineFields::Integer(std::int32_t& value) {
  std::int32_t read = 0;
  if (ended_ || !Pass(ReadFileIntegerAt(rest_, read))) return false;
  value = read;
  return true;
}

bool LineFields::Text(std::string& value) {
  std::size_t length = 0;
  CsvField field;
  if (ended_ || !ReadCsvField(rest_, length, field)) return false;
  if (length == rest_.size()) {
    ended_ = true;
  } else {
    ++length;  // the comma
  }
  rest_.remove_prefix(length);
  value = TextOfField(field);
  return true;
}

std::string FileText(std::string_view utf8) {
  std::string text = Utf8ToCp1252(utf8);
  for (char& c : text)
    if (c == '\r' || c == '\n') c = '?';
  return text;
}

}  // namespace common
