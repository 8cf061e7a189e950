// Windows-1252 bytes of document files and the UTF-8 texts kept in memory.
#include "common/core/text_encoding.h"
#include "fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = fuzz::Text(data, size);
  // Every byte of a file stands for one character and comes back from it.
  FUZZ_CHECK(common::Utf8ToCp1252(common::Cp1252ToUtf8(text)) == text);

  // Taken as UTF-8: one byte per character, malformed or not.
  const std::u32string characters = common::DecodeUtf8(text);
  FUZZ_CHECK(common::Utf8ToCp1252(text).size() == characters.size());
  FUZZ_CHECK(common::DecodeUtf8(common::EncodeUtf8(characters)) == characters);
  return 0;
}
