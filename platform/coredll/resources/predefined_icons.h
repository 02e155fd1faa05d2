#pragma once

#include "resources/icon_image.h"

#include <optional>

namespace ce {

// The system's own icons for LoadIcon(NULL, id). The device has no icon
// file of its own, so the application icon is drawn here: a small window
// with a caption bar.
std::optional<IconImage> predefinedIconImage(WORD id);

}  // namespace ce
