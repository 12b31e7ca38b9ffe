#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "font/KorvoFont.h"
#include "platform/Archive.h"
#include "platform/ClassRegistry.h"
#include "support/LittleEndian.h"

namespace korvo {
namespace {

using test::Bytes;
using test::ByteWriter;

// A small serialisable class with an optional child, to exercise framing and nesting.
class CTestItem : public CObject {
public:
    static const CRuntimeClass kRuntimeClass;
    const CRuntimeClass* GetRuntimeClass() const override { return &kRuntimeClass; }
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring()) {
            ar.Write<std::uint16_t>(value);
            ar.WriteObject(child.get());
        } else {
            value = ar.Read<std::uint16_t>();
            seenSchema = ar.GetObjectSchema();
            child = ar.ReadObjectOf<CTestItem>();
        }
    }
    std::uint16_t value = 0;
    std::uint32_t seenSchema = 0;
    std::unique_ptr<CTestItem> child;
};
const CRuntimeClass CTestItem::kRuntimeClass{"CTestItem", 3, true, &CreateInstance<CTestItem>,
                                             &CObject::kRuntimeClass};

// Not versionable: only its own schema loads.
class CFixedItem : public CObject {
public:
    static const CRuntimeClass kRuntimeClass;
    const CRuntimeClass* GetRuntimeClass() const override { return &kRuntimeClass; }
};
const CRuntimeClass CFixedItem::kRuntimeClass{"CFixedItem", 14, false, &CreateInstance<CFixedItem>,
                                              &CObject::kRuntimeClass};

const CClassRegistry& TestClasses() {
    static const CClassRegistry registry{&CTestItem::kRuntimeClass, &CFixedItem::kRuntimeClass,
                                         &CKorvoFont::kRuntimeClass};
    return registry;
}

TEST(Archive, StringAndCountPrefixes) {
    struct Case {
        std::size_t length;
        Bytes prefix;
    };
    const Case strings[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {0xFFFD, {0xFF, 0xFD, 0xFF}},
        {0xFFFE, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {0x10000, {0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00}},
    };
    for (const Case& c : strings) {
        const std::string text(c.length, 'k');
        CArchive ar;
        ar.WriteString(text);
        ASSERT_EQ(ar.Bytes().size(), c.prefix.size() + c.length) << c.length;
        EXPECT_EQ(Bytes(ar.Bytes().begin(), ar.Bytes().begin() + c.prefix.size()), c.prefix);
        CArchive in(ar.Bytes(), TestClasses());
        EXPECT_EQ(in.ReadString(), text);
        EXPECT_FALSE(in.IsFailed());
    }
    const Case counts[] = {
        {0, {0x00, 0x00}},
        {0xFFFE, {0xFE, 0xFF}},
        {0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Case& c : counts) {
        CArchive ar;
        ar.WriteCount(static_cast<std::uint32_t>(c.length));
        EXPECT_EQ(ar.Bytes(), c.prefix) << c.length;
        CArchive in(ar.Bytes(), TestClasses());
        EXPECT_EQ(in.ReadCount(), c.length);
    }
}

TEST(Archive, ObjectFramingSharesOneIndexCounter) {
    CTestItem first;
    first.value = 0x0A0B;
    first.child = std::make_unique<CTestItem>();
    first.child->value = 7;
    CArchive ar;
    ar.WriteObject(&first);
    ar.WriteObject(nullptr);
    ar.WriteObject(&first);  // already written: a reference to its index
    // first: a new class (index 1), schema 3, name; then the object (index 2) and its value.
    // clang-format off
    const Bytes expected = {
        0xFF, 0xFF, 0x03, 0x00, 0x09, 0x00, 'C', 'T', 'e', 's', 't', 'I', 't', 'e', 'm',
        0x0B, 0x0A,              // first.value
        0x01, 0x80,              // the child: a known class, index 1; object index 3
        0x07, 0x00, 0x00, 0x00,  // child value, no grandchild
        0x00, 0x00,              // null
        0x02, 0x00,              // first again
    };
    // clang-format on
    EXPECT_EQ(ar.Bytes(), expected);

    // A reader builds fresh objects; it does not share them, so the back-reference is refused.
    CArchive in(ar.Bytes(), TestClasses());
    const auto loaded = in.ReadObjectOf<CTestItem>();
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->value, 0x0A0B);
    ASSERT_NE(loaded->child, nullptr);
    EXPECT_EQ(loaded->child->value, 7);
    EXPECT_EQ(loaded->seenSchema, 3u);
    EXPECT_EQ(in.ReadObject(), nullptr);
    EXPECT_FALSE(in.IsFailed());
    EXPECT_EQ(in.ReadObject(), nullptr);
    EXPECT_TRUE(in.IsFailed());
}

TEST(Archive, BigClassIndicesUseTheLongTag) {
    // Past index 0x7FFE indices no longer fit the short tags.
    std::vector<std::unique_ptr<CFixedItem>> items(0x8000);
    CArchive ar;
    for (auto& item : items) {
        item = std::make_unique<CFixedItem>();
        ar.WriteObject(item.get());
    }
    CTestItem late1;
    CTestItem late2;
    late2.value = 5;
    ar.WriteObject(&late1);
    const std::size_t second = ar.Bytes().size();
    ar.WriteObject(&late2);
    // CTestItem is class index 0x8002 (1 for CFixedItem, 0x8000 objects after it).
    EXPECT_EQ(Bytes(ar.Bytes().begin() + second, ar.Bytes().end()),
              (Bytes{0xFF, 0x7F, 0x02, 0x80, 0x00, 0x80, 0x05, 0x00, 0x00, 0x00}));

    CArchive in(ar.Bytes(), TestClasses());
    for (std::size_t i = 0; i < items.size(); ++i) {
        ASSERT_NE(in.ReadObject(), nullptr) << i;
    }
    EXPECT_NE(in.ReadObjectOf<CTestItem>(), nullptr);
    const auto back = in.ReadObjectOf<CTestItem>();
    ASSERT_NE(back, nullptr) << in.Error();
    EXPECT_EQ(back->value, 5);
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(Archive, SchemasAreCheckedUnlessVersionable) {
    const Bytes versioned = ByteWriter().NewClass("CTestItem", 7).U32(1).bytes;
    CArchive in(versioned, TestClasses());
    const auto item = in.ReadObjectOf<CTestItem>();
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->seenSchema, 7u) << "a versionable class learns the stored schema";
    for (const std::uint16_t schema : {14, 13}) {
        const Bytes fixed = ByteWriter().NewClass("CFixedItem", schema).bytes;
        CArchive fixedIn(fixed, TestClasses());
        EXPECT_EQ(fixedIn.ReadObject() != nullptr, schema == 14);
        EXPECT_EQ(fixedIn.Error(),
                  schema == 14 ? "" : "class CFixedItem stored with schema 13, expected 14");
    }
}

TEST(Archive, HostileInputFailsCleanly) {
    ByteWriter deep;
    deep.NewClass("CTestItem", 3).U16(0);
    for (int i = 1; i < 300; ++i) {
        deep.U16(0x8001).U16(0);  // a child of the known class, value 0
    }
    struct Case {
        Bytes bytes;
        const CRuntimeClass* required;
        std::string error;
    };
    const Case cases[] = {
        {ByteWriter().NewClass("CZZ", 1).bytes, nullptr, "unknown class \"CZZ\""},
        {{0xFF, 0xFF, 1, 0, 30, 0, 'C'}, nullptr, "archive ends inside a class name"},
        {{0x05, 0x80}, nullptr, "class index 5 does not name a class read before"},
        {{0xFF, 0x7F, 1, 0, 0, 0}, nullptr, "reference to an object that was already read"},
        {ByteWriter().NewClass("CFixedItem", 14).bytes, &CTestItem::kRuntimeClass,
         "found a CFixedItem where a CTestItem belongs"},
        {ByteWriter().NewClass("CTestItem", 3).Raw({1}).bytes, nullptr,
         "archive ends inside a value"},
        {deep.bytes, nullptr, "objects nested too deeply"},
        {ByteWriter().NewClass("CKorvoFont", 14).U32(0).Raw({0xFF, 0xFE, 0xFF}).bytes, nullptr,
         "wide-character strings are not supported"},
    };
    for (const Case& c : cases) {
        CArchive in(c.bytes, TestClasses());
        EXPECT_EQ(in.ReadObject(c.required), nullptr) << c.error;
        EXPECT_TRUE(in.IsFailed()) << c.error;
        EXPECT_EQ(in.Error(), c.error);
        // Once failed, everything reads as zero.
        EXPECT_EQ(in.Read<std::uint32_t>(), 0u);
        EXPECT_EQ(in.ReadString(), "");
    }
}

}  // namespace
}  // namespace korvo
