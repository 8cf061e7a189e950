#pragma once

#include "lyt/core/board.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

namespace board_tests {

namespace fs = std::filesystem;

// A folder of its own under the system's temporary folder, removed with
// everything in it (read-only entries included) when the test ends.
class TempFolder {
 public:
  TempFolder() {
    static std::atomic<int> counter{0};
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = fs::temp_directory_path() /
            ("lyt-board-test-" + std::to_string(ticks) + "-" + std::to_string(counter++));
    fs::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(path_, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error))
      fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, error);
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(path_, error);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const fs::path& Path() const { return path_; }
  std::string File(const std::string& name) const { return (path_ / name).u8string(); }

 private:
  fs::path path_;
};

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(fs::u8path(path), std::ios::binary | std::ios::trunc);
  out << bytes;
}

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(fs::u8path(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline lyt::BoardElement Element(std::int32_t group, std::int32_t kind, std::int32_t layer, float size,
                                 float x1, float y1, float x2 = 0.0f, float y2 = 0.0f,
                                 std::string text = std::string(), std::int32_t angle = 0) {
  lyt::BoardElement element;
  element.Group = group;
  element.Kind = kind;
  element.Layer = layer;
  element.Size = size;
  element.X1 = x1;
  element.Y1 = y1;
  element.X2 = x2;
  element.Y2 = y2;
  element.Text = std::move(text);
  element.Angle = angle;
  return element;
}

inline lyt::PendingItem NewItem(std::int32_t kind, std::int32_t layer, float size, float x1, float y1,
                                float x2 = 0.0f, float y2 = 0.0f,
                                std::int32_t moveMode = lyt::PendingMove::Whole) {
  lyt::PendingItem item;
  item.Kind = kind;
  item.Layer = layer;
  item.Size = size;
  item.X1 = x1;
  item.Y1 = y1;
  item.X2 = x2;
  item.Y2 = y2;
  item.MoveMode = moveMode;
  item.Active = true;
  return item;
}

}  // namespace board_tests
