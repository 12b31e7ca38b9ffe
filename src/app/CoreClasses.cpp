#include "app/CoreClasses.h"

#include "font/KorvoFont.h"
#include "model/DrawingClasses.h"

namespace korvo {

const CClassRegistry& CoreClasses() {
    static const CClassRegistry registry = [] {
        CClassRegistry classes = DrawingClasses();
        classes.Add(CKorvoFont::kRuntimeClass);
        return classes;
    }();
    return registry;
}

}  // namespace korvo
