#include <gtest/gtest.h>

#include "OverlayTestUtil.h"
#include "cmcHash.h"

// Buckets worked out by hand: h = 2h + d + c per byte (c signed), d starts
// at N/2 and halves when the following byte is odd (reset to N/2 at 0).
TEST(HashBucket, MatchesHandComputedValues) {
    // N = 1031, d = 515. 'A' = 65: h = 515 + 65 = 580.
    EXPECT_EQ(HashBucket("A", 1031), 580u);
    // 'A': h = 580; next 'B' (66) is even, d stays 515.
    // 'B': h = 1160 + 515 + 66 = 1741; 1741 % 1031 = 710.
    EXPECT_EQ(HashBucket("AB", 1031), 710u);
    // 'C' (67): h = 515 + 67 = 582; next 'A' (65) is odd, d = 257.
    // 'A': h = 1164 + 257 + 65 = 1486; 1486 % 1031 = 455.
    EXPECT_EQ(HashBucket("CA", 1031), 455u);
    // Bytes above 0x7F count negative: 0xC3 = -61, 0xA9 = -87.
    // h = 515 - 61 = 454; next 0xA9 is odd, d = 257.
    // h = 908 + 257 - 87 = 1078; 1078 % 1031 = 47.
    EXPECT_EQ(HashBucket("\xC3\xA9", 1031), 47u);
    // N = 4, d = 2, 'a' = 97 (odd). h = 2 + 97 = 99, d = 1; h = 198 + 1 + 97 = 296,
    // d = 0 -> reset to 2; h = 592 + 2 + 97 = 691; 691 % 4 = 3.
    EXPECT_EQ(HashBucket("aaa", 4), 3u);
    // N = 101, d = 50: c 149, l 456, R 1044 (next 'e' odd: d = 25), e 2214,
    // d 4553; 4553 % 101 = 8.
    EXPECT_EQ(HashBucket("clRed", 101), 8u);
}

TEST(cmcHash, FindsInsertedNamesExactly) {
    cmcHash hash;
    EXPECT_EQ(hash.Buckets(), 1031u);
    hash.Insert("CL_Null", 0);
    hash.Insert("cl_null", 7);
    hash.Insert("clWindow", 0x80000005);
    ASSERT_NE(hash.Find("CL_Null"), nullptr);
    EXPECT_EQ(hash.Find("CL_Null")->value, 0);
    EXPECT_EQ(hash.Find("cl_null")->value, 7);
    EXPECT_EQ(hash.Find("clWindow")->value, 0x80000005);
    EXPECT_EQ(hash.Find("CL_Null "), nullptr);
    EXPECT_EQ(hash.Find(""), nullptr);
}

TEST(cmcHash, NewEntryGoesToTheHeadOfItsChain) {
    cmcHash hash(1);
    hash.Insert("first", 1);
    hash.Insert("second", 2);
    hash.Insert("third", 3);
    const auto* e = hash.Chain(0);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->name, "third");
    EXPECT_EQ(e->next->name, "second");
    EXPECT_EQ(e->next->next->name, "first");
    EXPECT_EQ(e->next->next->next, nullptr);
    EXPECT_EQ(hash.Find("first")->value, 1);
}

TEST(cmcHash, DuplicateInsertIsFatal) {
    cmcHash hash(101);
    hash.Insert("clRed", 0xFF);
    EXPECT_EQ(InternalErrorOf([&] { hash.Insert("clRed", 1); }), "Overlapped Hash table.");
    EXPECT_EQ(hash.Find("clRed")->value, 0xFF);

    cmcHash2 hash2;
    hash2.Insert("GI_Sheet_Sel_Tot#12", nullptr);
    EXPECT_EQ(InternalErrorOf([&] { hash2.Insert("GI_Sheet_Sel_Tot#12", nullptr); }),
              "Overlapped Hash2 table.");
}
