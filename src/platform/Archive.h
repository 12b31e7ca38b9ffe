#pragma once

#include <bit>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <vector>

#include "platform/Object.h"

namespace korvo {

class CClassRegistry;

// Numbers the archive stores, always little-endian. A bool has no fixed size in
// the stream, so it is spelled out as a sized integer by the caller.
template <class T>
concept ArchiveScalar = std::is_arithmetic_v<T> && !std::same_as<T, bool>;

// Little-endian binary archive over a memory buffer, in the classic desktop framework layout:
// objects are framed by class tags (a new class is spelled out once with its schema and name,
// later objects of it refer to the class by index) and class and object indices share one
// counter starting at 1, so streams stay readable by any reader of that family.
//
// Loading treats its input as hostile. Nothing is thrown: the first problem puts the archive into
// a failed state that remembers what went wrong and where; from then on reads return zeros and
// object reads return null, so callers check IsFailed() once at the end. Storing fails only on
// objects nested too deeply; its bytes are then incomplete and must not be used.
class CArchive {
public:
    static constexpr std::uint16_t kNullTag = 0;
    static constexpr std::uint16_t kNewClassTag = 0xFFFF;
    static constexpr std::uint16_t kClassTag = 0x8000;
    static constexpr std::uint16_t kBigObjectTag = 0x7FFF;
    static constexpr std::uint32_t kBigClassTag = 0x80000000u;
    static constexpr std::uint32_t kNoSchema = 0xFFFFFFFFu;
    // Objects nested deeper than this are damage when loading, rather than a risk to the stack,
    // and are refused when storing, so that everything stored loads again.
    static constexpr int kMaxObjectDepth = 200;

    // An archive for storing; the bytes accumulate in Bytes().
    CArchive();
    // An archive for loading `bytes` (which must outlive it); classes come from `registry`.
    CArchive(std::span<const std::uint8_t> bytes, const CClassRegistry& registry);

    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsStoring() const { return storing_; }
    bool IsLoading() const { return !storing_; }

    bool IsFailed() const { return failed_; }
    const std::string& Error() const { return error_; }
    std::size_t ErrorOffset() const { return errorOffset_; }
    // Marks the archive as failed at the current position; only the first reason is kept.
    void Fail(std::string_view reason);

    std::size_t Position() const { return storing_ ? out_.size() : pos_; }
    std::size_t Remaining() const { return storing_ ? 0 : in_.size() - pos_; }
    const std::vector<std::uint8_t>& Bytes() const { return out_; }
    std::vector<std::uint8_t> TakeBytes() { return std::move(out_); }

    template <ArchiveScalar T>
    void Write(T value) {
        using U = UnsignedOf<T>;
        WriteLittleEndian(static_cast<std::uint64_t>(std::bit_cast<U>(value)), sizeof(T));
    }

    template <ArchiveScalar T>
    T Read() {
        using U = UnsignedOf<T>;
        return std::bit_cast<T>(static_cast<U>(ReadLittleEndian(sizeof(T))));
    }

    void WriteBytes(std::span<const std::uint8_t> bytes);
    // Fills `out` completely or fails (and leaves `out` zeroed).
    bool ReadBytes(std::span<std::uint8_t> out);

    // Length-prefixed string, one byte per character.
    void WriteString(std::string_view text);
    std::string ReadString();

    // Element counts of collections: 16 bits, or 0xFFFF and 32 bits for large counts.
    void WriteCount(std::uint32_t count);
    std::uint32_t ReadCount();

    // Writes `object` with its framing; null is written as the null tag. Nothing is written once
    // the archive has failed.
    void WriteObject(const CObject* object);
    // Reads one framed object. With `required`, an object of another class is damage.
    std::unique_ptr<CObject> ReadObject(const CRuntimeClass* required = nullptr);

    template <class T>
    std::unique_ptr<T> ReadObjectOf() {
        std::unique_ptr<CObject> object = ReadObject(&T::kRuntimeClass);
        return std::unique_ptr<T>(static_cast<T*>(object.release()));
    }

    // While a versionable object is being loaded: the schema its class was stored with.
    std::uint32_t GetObjectSchema() const { return currentSchema_; }

private:
    template <class T>
    using UnsignedOf = std::conditional_t<
        sizeof(T) == 1, std::uint8_t,
        std::conditional_t<sizeof(T) == 2, std::uint16_t,
                           std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>>>;

    void WriteLittleEndian(std::uint64_t value, std::size_t size);
    std::uint64_t ReadLittleEndian(std::size_t size);
    bool Need(std::size_t size, std::string_view what);

    void WriteClassReference(const CRuntimeClass& cls);
    const CRuntimeClass* ReadClassReference(std::uint16_t tag);
    const CRuntimeClass* ReadNewClass();
    std::uint32_t NextIndex();

    bool storing_;
    bool failed_ = false;
    std::string error_;
    std::size_t errorOffset_ = 0;

    std::vector<std::uint8_t> out_;
    std::span<const std::uint8_t> in_;
    std::size_t pos_ = 0;
    const CClassRegistry* registry_ = nullptr;

    // Index 0 is the null object; every class and object takes the next index.
    std::uint32_t mapCount_ = 1;
    std::unordered_map<const void*, std::uint32_t> storedIndex_;
    // Loading: index -> class, or null for an index taken by an object.
    std::vector<const CRuntimeClass*> loadedIndex_;
    std::unordered_map<const CRuntimeClass*, std::uint16_t> loadedSchema_;

    std::uint32_t currentSchema_ = kNoSchema;
    int depth_ = 0;
};

}  // namespace korvo
