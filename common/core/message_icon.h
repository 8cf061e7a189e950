#pragma once

namespace common {

// The icon of a message box.
enum class MessageIcon { None, Information, Exclamation, Critical };

}  // namespace common
