#include "app/CoreClasses.h"

#include "font/KorvoFont.h"
#include "model/DrawObjCircle.h"
#include "model/DrawObjEllipse.h"
#include "model/DrawObjLine.h"
#include "model/DrawObjPolygon.h"
#include "model/DrawObjTransformation.h"

namespace korvo {

const CClassRegistry& CoreClasses() {
    static const CClassRegistry registry{
        &CKorvoFont::kRuntimeClass,      &CDrawObjLine::kRuntimeClass,
        &CDrawObjCircle::kRuntimeClass,  &CDrawObjEllipse::kRuntimeClass,
        &CDrawObjPolygon::kRuntimeClass, &CDrawObjTransformation::kRuntimeClass,
    };
    return registry;
}

}  // namespace korvo
