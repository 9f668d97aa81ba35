#pragma once
// One picture showing every generated picture side by side, for reviewing
// the whole skin at a glance.

#include "pixels.h"

#include <vector>

namespace skingen {

// Lays the pictures out in rows on a checkerboard that shows transparency.
Pixels contactSheet(const std::vector<const Pixels*>& pictures);

}  // namespace skingen
