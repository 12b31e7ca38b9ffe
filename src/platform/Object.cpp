#include "platform/Object.h"

#include "platform/Archive.h"

namespace korvo {

const CRuntimeClass CObject::kRuntimeClass{"CObject", 0xFFFF, false, nullptr, nullptr};

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass& other) const {
    for (const CRuntimeClass* cls = this; cls != nullptr; cls = cls->base) {
        if (cls == &other) {
            return true;
        }
    }
    return false;
}

std::unique_ptr<CObject> CRuntimeClass::CreateObject() const {
    return create != nullptr ? create() : nullptr;
}

const CRuntimeClass* CObject::GetRuntimeClass() const {
    return &kRuntimeClass;
}

void CObject::Serialize(CArchive&) {}

}  // namespace korvo
