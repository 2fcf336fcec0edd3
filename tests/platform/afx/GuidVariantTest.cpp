// Class identifiers, byte arrays and the byte-array automation value.
#include "platform/afx/CByteArray.h"
#include "platform/afx/CString.h"
#include "platform/afx/Guid.h"
#include "platform/afx/Variant.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(Guid, ParsesTheRegistryFormOfEitherCaseAndNothingElse) {
    const std::optional<GUID> guid = afx::ParseGuid("{648A5600-2C6E-101B-82B6-000000000014}");
    ASSERT_TRUE(guid);
    EXPECT_EQ(guid->Data1, 0x648A5600u);
    EXPECT_EQ(guid->Data2, 0x2C6E);
    EXPECT_EQ(guid->Data3, 0x101B);
    EXPECT_EQ(guid->Data4[0], 0x82);
    EXPECT_EQ(guid->Data4[7], 0x14);
    EXPECT_EQ(afx::ParseGuid("{648a5600-2c6e-101b-82b6-000000000014}"), guid);
    EXPECT_EQ(afx::FormatGuid(*guid), "{648A5600-2C6E-101B-82B6-000000000014}");
    for (const char* text :
         {"", "648A5600-2C6E-101B-82B6-000000000014", "{648A5600-2C6E-101B-82B6-00000000001}",
          "{648A5600-2C6E-101B-82B6-00000000001G}", "{648A5600-2C6E-101B82B6--000000000014}",
          "{+48A5600-2C6E-101B-82B6-000000000014}"}) {
        EXPECT_FALSE(afx::ParseGuid(text)) << text;
    }
}

TEST(ByteArray, ResizesWithZerosChecksIndicesAndWrapsAsUnsignedByteArray) {
    CByteArray array;
    array.Add(0x7F);
    array.SetSize(0);
    array.SetSize(3);
    EXPECT_EQ(array.Bytes(), (std::vector<BYTE>{0, 0, 0}));
    array.SetAt(2, 0xFF);
    EXPECT_THROW(array.SetAt(3, 1), std::out_of_range);
    EXPECT_THROW(array.GetAt(-1), std::out_of_range);
    EXPECT_THROW(array.SetSize(-1), std::invalid_argument);

    COleVariant value(array);
    EXPECT_EQ(value.vt, VT_ARRAY | VT_UI1);
    EXPECT_EQ(afx::VariantBytes(value), (std::vector<BYTE>{0, 0, 0xFF}));
    // Copies own their arrays: each is freed once (the sanitizers see a double free).
    COleVariant copy(value);
    copy = value;
    VariantClear(&value);
    EXPECT_EQ(value.vt, VT_EMPTY);
    EXPECT_TRUE(afx::VariantBytes(value).empty());
    EXPECT_EQ(afx::VariantBytes(copy), (std::vector<BYTE>{0, 0, 0xFF}));
}

TEST(Variant, TextTravelsAsUtf16AndLeavesAsBytes) {
    const COleVariant text(TEXT("串口 9600"));
    ASSERT_EQ(text.vt, VT_BSTR);
    EXPECT_EQ(SysStringLen(text.bstrVal), 7u);
    EXPECT_EQ(text.bstrVal[0], 0x4E32);
    EXPECT_EQ(CString(text.bstrVal), CString(TEXT("串口 9600")));
    EXPECT_EQ(afx::ByteText(text.bstrVal), "?? 9600");
}

} // namespace
