#pragma once

namespace korvo {

// Placeholder until the cached background layer is written.
class CBackgroundLayer {};

}  // namespace korvo
