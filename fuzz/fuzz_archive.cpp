// Archive bytes arrive through the clipboard from other programs. A load either fails cleanly or
// yields objects that store and load again to the same bytes.
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "app/CoreClasses.h"
#include "platform/Archive.h"

using namespace korvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CArchive in(std::span<const std::uint8_t>(data, size), CoreClasses());
    std::vector<std::unique_ptr<CObject>> objects;
    while (!in.IsFailed() && in.Remaining() > 0 && objects.size() < 64) {
        std::unique_ptr<CObject> object = in.ReadObject();
        if (!object) {
            break;
        }
        objects.push_back(std::move(object));
    }
    CArchive out;
    for (const auto& object : objects) {
        out.WriteObject(object.get());
    }
    CArchive back(out.Bytes(), CoreClasses());
    CArchive again;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        std::unique_ptr<CObject> object = back.ReadObject();
        if (!object) {
            __builtin_trap();
        }
        again.WriteObject(object.get());
    }
    if (back.IsFailed() || again.Bytes() != out.Bytes()) {
        __builtin_trap();
    }
    return 0;
}
