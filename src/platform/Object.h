#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

namespace korvo {

class CArchive;
class CObject;

// What an archive needs to know about a serialisable class: the name it is stored under, its
// schema, and how to make an empty instance when a stored object is read back.
struct CRuntimeClass {
    const char* className;
    std::uint16_t schema;
    // A versionable class accepts any stored schema and asks the archive which one it is reading.
    bool versionable;
    std::unique_ptr<CObject> (*create)();  // null for classes that are never stored on their own
    const CRuntimeClass* base;

    bool IsDerivedFrom(const CRuntimeClass& other) const;
    std::unique_ptr<CObject> CreateObject() const;
};

template <class T>
std::unique_ptr<CObject> CreateInstance() {
    return std::make_unique<T>();
}

// Base of every object that travels through an archive.
class CObject {
public:
    static const CRuntimeClass kRuntimeClass;

    virtual const CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = default;
    virtual void Serialize(CArchive& ar);

    bool IsKindOf(const CRuntimeClass& cls) const { return GetRuntimeClass()->IsDerivedFrom(cls); }

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

}  // namespace korvo
