#include "app/CoreClasses.h"

#include "font/KorvoFont.h"

namespace korvo {

const CClassRegistry& CoreClasses() {
    static const CClassRegistry registry{&CKorvoFont::kRuntimeClass};
    return registry;
}

}  // namespace korvo
