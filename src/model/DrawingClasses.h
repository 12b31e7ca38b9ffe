#pragma once

#include "platform/ClassRegistry.h"

namespace korvo {

// The classes a stored drawing may hold: elements, nodes, collections and the sheet. Clipboard
// data and node clones are loaded against this registry.
const CClassRegistry& DrawingClasses();

}  // namespace korvo
