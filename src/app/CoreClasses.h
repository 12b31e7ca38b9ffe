#pragma once

#include "platform/ClassRegistry.h"

namespace korvo {

// Every class of the core that an archive may hold: the font and everything of a drawing.
const CClassRegistry& CoreClasses();

}  // namespace korvo
