#pragma once

#include "common/core/ui_port.h"

#include <string>

namespace common {

// The folder a file dialog opens in: the folder of the document when it has
// a name and that folder exists, else the user's documents folder when it
// exists, else the home folder. Never the program's own folder, so that a
// bare name typed in a first save does not land beside the program.
std::string DialogFolder(const std::string& documentPath, const UserFolders& folders);

}  // namespace common
