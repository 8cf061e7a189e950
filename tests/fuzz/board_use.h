#pragma once

#include "common/core/viewport.h"
#include "fuzz_target.h"
#include "lyt/core/board.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

// A folder of the process's own under the temporary folder, removed at exit:
// the readers take a path, so each input is written there first.
const std::string& ScratchFolder();
void WriteFile(const std::string& path, std::string_view bytes);

inline bool SameNumber(float a, float b) { return a == b || (std::isnan(a) && std::isnan(b)); }

// Saved and read back, the live records (Kind not 0) come back in order with
// every field, a text's carriage return having become '?' in the file.
template <class Before, class After>
void CheckSameLiveRecords(const std::vector<Before>& before, const std::vector<After>& after) {
  std::size_t next = 0;
  for (const Before& b : before) {
    if (b.Kind == lyt::ElementKind::Deleted) continue;
    FUZZ_CHECK(next < after.size());
    const After& a = after[next++];
    FUZZ_CHECK(a.Group == b.Group && a.Kind == b.Kind && a.Layer == b.Layer && a.Angle == b.Angle);
    FUZZ_CHECK(SameNumber(a.Size, b.Size) && SameNumber(a.X1, b.X1) && SameNumber(a.Y1, b.Y1) &&
               SameNumber(a.X2, b.X2) && SameNumber(a.Y2, b.Y2));
    std::string saved = b.Text;
    std::replace(saved.begin(), saved.end(), '\r', '?');
    FUZZ_CHECK(a.Text == saved);
  }
  FUZZ_CHECK(next == after.size());
}

// Everything the program does with a board once read: the screen redraw, the
// three photoplots and the drill file, the printed page, all on surfaces that
// keep nothing.
void UseBoard(const lyt::Board& board, const common::Viewport& viewport);

}  // namespace fuzz
