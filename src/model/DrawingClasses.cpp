#include "model/DrawingClasses.h"

#include "model/DataCollection.h"
#include "model/DrawObjCircle.h"
#include "model/DrawObjEllipse.h"
#include "model/DrawObjLine.h"
#include "model/DrawObjPolygon.h"
#include "model/DrawObjTransformation.h"
#include "model/DrawObjVectorText.h"
#include "model/Paper.h"

namespace korvo {

const CClassRegistry& DrawingClasses() {
    static const CClassRegistry registry{
        &CDrawObjLine::kRuntimeClass,
        &CDrawObjCircle::kRuntimeClass,
        &CDrawObjEllipse::kRuntimeClass,
        &CDrawObjPolygon::kRuntimeClass,
        &CDrawObjTransformation::kRuntimeClass,
        &CData::kRuntimeClass,
        &CDataCollection::kRuntimeClass,
        &CDrawObjVectorText::kRuntimeClass,
        &CPaper::kRuntimeClass,
    };
    return registry;
}

}  // namespace korvo
