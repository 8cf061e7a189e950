// Numbers of document files and numbers typed by the user.
#include "common/core/number_text.h"
#include "fuzz_target.h"

#include <cmath>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = fuzz::Text(data, size);

  float single = 0.0f;
  if (common::ReadFileNumber(text, single)) {
    float again = NAN;
    FUZZ_CHECK(common::ReadFileNumber(common::WriteFileNumber(single), again) && again == single);
  }
  // Any bit pattern the writer is given: a finite number comes back whole.
  if (size >= sizeof(float)) {
    float any = 0.0f;
    std::memcpy(&any, data, sizeof any);
    float again = NAN;
    FUZZ_CHECK(common::ReadFileNumber(common::WriteFileNumber(any), again));
    FUZZ_CHECK(again == (std::isfinite(any) ? any : 0.0f));
  }

  double wide = NAN;
  const bool isNumber = common::ReadFileNumber(text, wide);
  FUZZ_CHECK(!isNumber || std::isfinite(wide));
  std::int32_t whole = 0;
  if (common::ReadFileInteger(text, whole)) FUZZ_CHECK(isNumber && std::fabs(wide - whole) <= 0.5);

  // Shown to the user with seven significant digits, a typed number reads
  // back close to itself.
  const double typed = common::ParseTypedNumber(text);
  FUZZ_CHECK(std::isfinite(typed));
  const double shown = common::ParseTypedNumber(common::FormatNumber(typed));
  if (std::isnormal(typed)) FUZZ_CHECK(std::fabs(shown / typed - 1.0) < 1e-6);
  common::FormatNumber(typed, ',');
  return 0;
}
