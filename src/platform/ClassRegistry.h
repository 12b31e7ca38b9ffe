#pragma once

#include <initializer_list>
#include <string_view>
#include <vector>

#include "platform/Object.h"

namespace korvo {

// The classes an archive may create by name while loading. Loading only ever instantiates classes
// listed here, so hostile data cannot make the reader construct anything else.
class CClassRegistry {
public:
    CClassRegistry() = default;
    CClassRegistry(std::initializer_list<const CRuntimeClass*> classes);

    void Add(const CRuntimeClass& cls);
    const CRuntimeClass* Find(std::string_view className) const;

private:
    std::vector<const CRuntimeClass*> classes_;
};

}  // namespace korvo
