#pragma once

#include "platform/ClassRegistry.h"

namespace korvo {

// Every class of the core that an archive may hold (fonts today; the drawing elements, nodes,
// collections and the paper join as they are built).
const CClassRegistry& CoreClasses();

}  // namespace korvo
