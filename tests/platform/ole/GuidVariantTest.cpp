// Class identifiers, byte arrays and automation values.
#include "platform/ole/CByteArray.h"
#include "platform/ole/Guid.h"
#include "platform/ole/Variant.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(Guid, ParsesTheRegistryFormOfEitherCase) {
    const std::optional<GUID> guid = platform::ParseGuid("{648A5600-2C6E-101B-82B6-000000000014}");
    ASSERT_TRUE(guid);
    EXPECT_EQ(guid->Data1, 0x648A5600u);
    EXPECT_EQ(guid->Data2, 0x2C6E);
    EXPECT_EQ(guid->Data3, 0x101B);
    const BYTE data4[8] = {0x82, 0xB6, 0, 0, 0, 0, 0, 0x14};
    EXPECT_TRUE(std::equal(std::begin(data4), std::end(data4), guid->Data4));
    EXPECT_EQ(platform::ParseGuid("{648a5600-2c6e-101b-82b6-000000000014}"), guid);
    EXPECT_EQ(platform::FormatGuid(*guid), "{648A5600-2C6E-101B-82B6-000000000014}");
    EXPECT_NE(*guid, *platform::ParseGuid("{648A5600-2C6E-101B-82B6-000000000015}"));
}

TEST(Guid, RejectsAnythingElse) {
    for (const char* text :
         {"", "648A5600-2C6E-101B-82B6-000000000014", "{648A5600-2C6E-101B-82B6-00000000001}",
          "{648A5600-2C6E-101B-82B6-0000000000145}", "{648A5600-2C6E-101B-82B6-00000000001G}",
          "{648A5600-2C6E-101B82B6--000000000014}", "{648A5600 2C6E-101B-82B6-000000000014}",
          "{+48A5600-2C6E-101B-82B6-000000000014}"}) {
        EXPECT_FALSE(platform::ParseGuid(text)) << text;
    }
}

TEST(ByteArray, ResizesWithZerosAndChecksEveryIndex) {
    CByteArray array;
    array.Add(0x7F);
    array.SetSize(0);
    array.SetSize(7);
    ASSERT_EQ(array.GetSize(), 7);
    for (INT_PTR i = 0; i < 7; ++i) {
        EXPECT_EQ(array[i], 0);
    }
    array.SetAt(6, 0xFF);
    array[0] = 0x53;
    EXPECT_EQ(array.GetAt(6), 0xFF);
    EXPECT_EQ(array.GetData()[0], 0x53);
    EXPECT_THROW(array.SetAt(7, 1), std::out_of_range);
    EXPECT_THROW(array.GetAt(-1), std::out_of_range);
    EXPECT_THROW(array[7], std::out_of_range);
    EXPECT_THROW(array.SetSize(-1), std::invalid_argument);
}

TEST(Variant, ByteArrayBecomesAnUnsignedByteArrayValueUntilCleared) {
    CByteArray array;
    for (BYTE b : {0x53, 0x45, 0x55, 0x00, 0xFF}) {
        array.Add(b);
    }
    COleVariant value(array);
    EXPECT_EQ(value.vt, VT_ARRAY | VT_UI1);
    EXPECT_EQ(value.bytes, array.Bytes());
    VariantClear(&value);
    EXPECT_EQ(value.vt, VT_EMPTY);
    EXPECT_TRUE(value.bytes.empty());
}

TEST(Variant, ScalarsCarryTheirTypes) {
    EXPECT_EQ(COleVariant(SHORT{2}).vt, VT_I2);
    EXPECT_EQ(COleVariant(SHORT{2}).iVal, 2);
    EXPECT_EQ(COleVariant(LONG{1}).vt, VT_I4);
    const COleVariant yes(SHORT{1}, VT_BOOL);
    EXPECT_EQ(yes.vt, VT_BOOL);
    EXPECT_EQ(yes.boolVal, VARIANT_TRUE);
    EXPECT_EQ(COleVariant::FromBool(false).boolVal, VARIANT_FALSE);
    EXPECT_EQ(COleVariant("9600,n,8,1").bstrVal, "9600,n,8,1");
    EXPECT_EQ(COleVariant(static_cast<LPCTSTR>(nullptr)).bstrVal, "");
    EXPECT_THROW(COleVariant(LONG{1}, VT_BSTR), std::invalid_argument);
}

} // namespace
