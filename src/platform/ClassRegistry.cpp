#include "platform/ClassRegistry.h"

namespace korvo {

CClassRegistry::CClassRegistry(std::initializer_list<const CRuntimeClass*> classes) {
    for (const CRuntimeClass* cls : classes) {
        Add(*cls);
    }
}

void CClassRegistry::Add(const CRuntimeClass& cls) {
    if (Find(cls.className) == nullptr) {
        classes_.push_back(&cls);
    }
}

const CRuntimeClass* CClassRegistry::Find(std::string_view className) const {
    for (const CRuntimeClass* cls : classes_) {
        if (className == cls->className) {
            return cls;
        }
    }
    return nullptr;
}

}  // namespace korvo
