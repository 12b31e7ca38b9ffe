#include "platform/Archive.h"

#include <algorithm>

#include "platform/ClassRegistry.h"

namespace korvo {

CArchive::CArchive() : storing_(true) {}

CArchive::CArchive(std::span<const std::uint8_t> bytes, const CClassRegistry& registry)
    : storing_(false), in_(bytes), registry_(&registry) {
    loadedIndex_.push_back(nullptr);
}

void CArchive::Fail(std::string_view reason) {
    if (!failed_) {
        failed_ = true;
        error_ = reason;
        errorOffset_ = Position();
    }
}

void CArchive::WriteLittleEndian(std::uint64_t value, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        out_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

bool CArchive::Need(std::size_t size, std::string_view what) {
    if (failed_) {
        return false;
    }
    if (size > Remaining()) {
        Fail(std::string("archive ends inside ") + std::string(what));
        return false;
    }
    return true;
}

std::uint64_t CArchive::ReadLittleEndian(std::size_t size) {
    if (!Need(size, "a value")) {
        return 0;
    }
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < size; ++i) {
        value |= static_cast<std::uint64_t>(in_[pos_ + i]) << (8 * i);
    }
    pos_ += size;
    return value;
}

void CArchive::WriteBytes(std::span<const std::uint8_t> bytes) {
    out_.insert(out_.end(), bytes.begin(), bytes.end());
}

bool CArchive::ReadBytes(std::span<std::uint8_t> out) {
    if (!Need(out.size(), "a block of bytes")) {
        std::fill(out.begin(), out.end(), std::uint8_t{0});
        return false;
    }
    std::copy_n(in_.begin() + static_cast<std::ptrdiff_t>(pos_), out.size(), out.begin());
    pos_ += out.size();
    return true;
}

void CArchive::WriteString(std::string_view text) {
    const std::size_t length = text.size();
    if (length < 0xFF) {
        Write<std::uint8_t>(static_cast<std::uint8_t>(length));
    } else if (length < 0xFFFE) {
        Write<std::uint8_t>(0xFF);
        Write<std::uint16_t>(static_cast<std::uint16_t>(length));
    } else {
        Write<std::uint8_t>(0xFF);
        Write<std::uint16_t>(0xFFFF);
        Write<std::uint32_t>(static_cast<std::uint32_t>(length));
    }
    out_.insert(out_.end(), text.begin(), text.end());
}

std::string CArchive::ReadString() {
    std::uint32_t length = Read<std::uint8_t>();
    if (length == 0xFF) {
        length = Read<std::uint16_t>();
        if (length == 0xFFFE) {
            Fail("wide-character strings are not supported");
            return {};
        }
        if (length == 0xFFFF) {
            length = Read<std::uint32_t>();
        }
    }
    if (!Need(length, "a string")) {
        return {};
    }
    std::string text(reinterpret_cast<const char*>(in_.data() + pos_), length);
    pos_ += length;
    return text;
}

void CArchive::WriteCount(std::uint32_t count) {
    if (count < 0xFFFF) {
        Write<std::uint16_t>(static_cast<std::uint16_t>(count));
    } else {
        Write<std::uint16_t>(0xFFFF);
        Write<std::uint32_t>(count);
    }
}

std::uint32_t CArchive::ReadCount() {
    std::uint32_t count = Read<std::uint16_t>();
    if (count == 0xFFFF) {
        count = Read<std::uint32_t>();
    }
    return count;
}

std::uint32_t CArchive::NextIndex() {
    const std::uint32_t index = mapCount_++;
    if (!storing_) {
        loadedIndex_.resize(mapCount_, nullptr);
    }
    return index;
}

void CArchive::WriteClassReference(const CRuntimeClass& cls) {
    const auto known = storedIndex_.find(&cls);
    if (known != storedIndex_.end()) {
        if (known->second < kBigObjectTag) {
            Write<std::uint16_t>(static_cast<std::uint16_t>(kClassTag | known->second));
        } else {
            Write<std::uint16_t>(kBigObjectTag);
            Write<std::uint32_t>(kBigClassTag | known->second);
        }
        return;
    }
    const std::string_view name = cls.className;
    Write<std::uint16_t>(kNewClassTag);
    Write<std::uint16_t>(cls.schema);
    Write<std::uint16_t>(static_cast<std::uint16_t>(name.size()));
    out_.insert(out_.end(), name.begin(), name.end());
    storedIndex_[&cls] = NextIndex();
}

void CArchive::WriteObject(const CObject* object) {
    if (failed_) {
        return;
    }
    if (object == nullptr) {
        Write<std::uint16_t>(kNullTag);
        return;
    }
    // The same limit as loading, counted the same way, so that storing and loading agree on
    // every tree.
    if (depth_ >= kMaxObjectDepth) {
        Fail("objects nested too deeply");
        return;
    }
    const auto known = storedIndex_.find(object);
    if (known != storedIndex_.end()) {
        if (known->second < kBigObjectTag) {
            Write<std::uint16_t>(static_cast<std::uint16_t>(known->second));
        } else {
            Write<std::uint16_t>(kBigObjectTag);
            Write<std::uint32_t>(known->second);
        }
        return;
    }
    WriteClassReference(*object->GetRuntimeClass());
    storedIndex_[object] = NextIndex();
    // Serialize serves both directions and is therefore non-const; storing does not modify.
    ++depth_;
    const_cast<CObject*>(object)->Serialize(*this);
    --depth_;
}

const CRuntimeClass* CArchive::ReadNewClass() {
    const std::uint16_t schema = Read<std::uint16_t>();
    const std::uint16_t nameLength = Read<std::uint16_t>();
    if (!Need(nameLength, "a class name")) {
        return nullptr;
    }
    const std::string_view name(reinterpret_cast<const char*>(in_.data() + pos_), nameLength);
    const CRuntimeClass* cls = registry_->Find(name);
    if (cls == nullptr) {
        Fail("unknown class \"" + std::string(name) + "\"");
        return nullptr;
    }
    pos_ += nameLength;
    if (!cls->versionable && schema != cls->schema) {
        Fail("class " + std::string(name) + " stored with schema " + std::to_string(schema) +
             ", expected " + std::to_string(cls->schema));
        return nullptr;
    }
    loadedSchema_[cls] = schema;
    loadedIndex_[NextIndex()] = cls;
    return cls;
}

const CRuntimeClass* CArchive::ReadClassReference(std::uint16_t tag) {
    std::uint32_t index = 0;
    if (tag == kNewClassTag) {
        return ReadNewClass();
    }
    if (tag == kBigObjectTag) {
        const std::uint32_t big = Read<std::uint32_t>();
        if ((big & kBigClassTag) == 0) {
            Fail("reference to an object that was already read");
            return nullptr;
        }
        index = big & ~kBigClassTag;
    } else if ((tag & kClassTag) != 0) {
        index = tag & ~kClassTag;
    } else {
        Fail("reference to an object that was already read");
        return nullptr;
    }
    if (failed_) {
        return nullptr;
    }
    if (index >= loadedIndex_.size() || loadedIndex_[index] == nullptr) {
        Fail("class index " + std::to_string(index) + " does not name a class read before");
        return nullptr;
    }
    return loadedIndex_[index];
}

std::unique_ptr<CObject> CArchive::ReadObject(const CRuntimeClass* required) {
    const std::uint16_t tag = Read<std::uint16_t>();
    if (failed_ || tag == kNullTag) {
        return nullptr;
    }
    if (depth_ >= kMaxObjectDepth) {
        Fail("objects nested too deeply");
        return nullptr;
    }
    const CRuntimeClass* cls = ReadClassReference(tag);
    if (cls == nullptr) {
        return nullptr;
    }
    if (required != nullptr && !cls->IsDerivedFrom(*required)) {
        Fail(std::string("found a ") + cls->className + " where a " + required->className +
             " belongs");
        return nullptr;
    }
    std::unique_ptr<CObject> object = cls->CreateObject();
    if (!object) {
        Fail(std::string("class ") + cls->className + " cannot be created");
        return nullptr;
    }
    NextIndex();

    const std::uint32_t outerSchema = currentSchema_;
    currentSchema_ = loadedSchema_[cls];
    ++depth_;
    object->Serialize(*this);
    --depth_;
    currentSchema_ = outerSchema;
    if (failed_) {
        return nullptr;
    }
    return object;
}

}  // namespace korvo
