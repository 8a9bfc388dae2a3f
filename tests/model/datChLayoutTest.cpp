// For every record kind: decode then encode changes nothing, every field
// round-trips, and encoding writes only the bits of the record's fields. The
// bits a record may write are listed here from the memory map, independently
// of the layout tables.

#include <gtest/gtest.h>

#include <map>
#include <random>

#include "ChBanks.h"
#include "ModelTestSupport.h"
#include "datCh.h"

namespace {

using Footprint = std::map<int, uint8_t>;  // address -> bits the record may write

void Allow(Footprint& fp, int address, int length, uint8_t mask = 0xFF) {
    for (int i = 0; i < length; ++i) {
        fp[address + i] |= mask;
    }
}

Footprint ChannelFootprint(uint8_t kind, int r, const cmcEeprom& image) {
    const bool lmr = kind == KindMchLmr;
    Footprint fp;
    const int rec = 0x0400 + 20 * r;
    Allow(fp, rec, 9);                          // B0-B8 frequencies and tones
    Allow(fp, rec + 9, 1, 0xDF);                // B9 without bit 5
    Allow(fp, rec + 10, 1);                     // B10
    Allow(fp, rec + 11, 1, lmr ? 0xFE : 0xFF);  // B11: Lmr auto reset is one bit
    Allow(fp, rec + 12, 1, 0xFE);               // B12 without bit 0
    Allow(fp, rec + 14, 1);                     // scrambler code
    Allow(fp, rec + 15, 1, lmr ? 0xC0 : 0xCF);  // position, format
    Allow(fp, rec + 16, 1);
    if (!lmr) {
        Allow(fp, rec + 17, 1);  // station
    }
    Allow(fp, rec + 18, 2);
    Allow(fp, 0x2000 + 12 * r, 12);  // name
    for (int list = 0; list < 10; ++list) {
        Allow(fp, 0x0220 + 34 * list + r / 8, 1, static_cast<uint8_t>(0x80 >> (r % 8)));
    }
    Allow(fp, 0x0098, 3);        // emergency, priority A, priority B
    Allow(fp, 0x00A2, 1, 0x20);  // emergency enable
    const int bank = BankOf(image, r);
    if (bank < 16) {
        Allow(fp, 0x0096 + bank / 8, 1, static_cast<uint8_t>(0x80 >> (bank % 8)));
    }
    return fp;
}

Footprint KindFootprint(uint8_t kind, int r, const cmcEeprom& image) {
    Footprint fp;
    switch (kind) {
        case KindMchLmr:
        case KindMchPmr:
        case KindMchBiisPmr:
            return ChannelFootprint(kind, r, image);
        case KindCEdit:
            Allow(fp, 0x1800 + 22 * r, 22);
            break;
        case KindDtmf:
            Allow(fp, 0x0378 + 13 * r, 13);
            Allow(fp, 0x2E70 + 24 * r, 24);
            break;
        case KindScanList:
            Allow(fp, 0x0220 + 34 * r, 32);
            Allow(fp, 0x0220 + 34 * r + 32, 1, 0xB3);
            Allow(fp, 0x1F00 + 24 * r, 24);
            break;
        case KindTonePair:
            Allow(fp, 0x0200 + 3 * r, 3);
            break;
        case KindRxCode:
            if (r >= 1) {
                Allow(fp, 0x1A1C + 9 * r, 4);
            }
            Allow(fp, 0x1A20 + 9 * r, 5);
            Allow(fp, 0x2D80 + 24 * r, 24);
            break;
        case KindTxCode:
            Allow(fp, 0x1960 + 6 * r, 5);
            Allow(fp, 0x1960 + 6 * r + 5, 1, 0xD0);
            Allow(fp, 0x2C00 + 12 * r, 12);
            break;
        case KindUserTone:
            Allow(fp, 0x0160 + 2 * r, 2);
            Allow(fp, 0x017E + 4 * r, 4);
            break;
        case KindTwoTone:
            if (r >= 1) {
                Allow(fp, 0x0176 + 8 * r, 8);
                Allow(fp, 0x1A1C + 9 * r, 1);
            }
            Allow(fp, 0x1A20 + 9 * r, 4);
            Allow(fp, 0x2D80 + 24 * r, 24);
            break;
        case KindTwoToneTx:
            Allow(fp, 0x0160, 4);
            Allow(fp, 0x00AF, 1);
            Allow(fp, 0x01BA, 1);
            Allow(fp, 0x1960, 1);
            break;
        case KindMskIdGroup:
            Allow(fp, 0x3504 + 9 * r, 2);
            Allow(fp, 0x350A + 9 * r, 1, 0x07);
            Allow(fp, 0x350B + 9 * r, 1, 0x03);
            Allow(fp, 0x354C + 12 * r, 12);
            break;
        case KindMskCallList:
            Allow(fp, 0x3000 + 6 * r, 2);
            Allow(fp, 0x3004 + 6 * r, 1);
            Allow(fp, 0x3005 + 6 * r, 1, 0x10);
            Allow(fp, 0x30C0 + 12 * r, 12);
            break;
        case KindMskStatus:
            Allow(fp, 0x35AC + r, 1, 0xFB);
            Allow(fp, 0x3240 + 12 * r, 12);
            Allow(fp, 0x3360 + 12 * r, 12);
            break;
        case KindMskShortText:
            Allow(fp, 0x3480 + 12 * r, 12);
            break;
        default:
            break;
    }
    return fp;
}

// Rows to try: the kind's first and last, one in between, and row 0.
std::vector<int> RowsOf(uint8_t kind) {
    const datKindInfo& k = KindInfo(kind);
    return {0, k.firstRow, (k.firstRow + k.lastRow) / 2, k.lastRow};
}

// Every settable field gets a random value, the byte areas random bytes.
void Scramble(datCh& rec, std::mt19937& rng) {
    for (int f = 0; f < datFieldCount; ++f) {
        rec.Set(static_cast<datField>(f), static_cast<int32_t>(rng()));
    }
    for (int i = 0; i < datCh::TextSize; ++i) {
        rec.Text()[i] = static_cast<uint8_t>(rng());
    }
    for (int i = 0; i < datCh::DataSize; ++i) {
        rec.Data()[i] = static_cast<uint8_t>(rng());
    }
    if (IsChannelKind(rec.Kind())) {
        // Emergency is an attribute only while it is enabled.
        uint8_t attr = static_cast<uint8_t>(rng() & 0x1F);
        if ((attr & datCh::AttrEmergencyDisabled) != 0) {
            attr &= static_cast<uint8_t>(~datCh::AttrEmergency);
        }
        rec.SetAttr(attr);
    }
}

// Channel marks decode from global bytes: point them away from the row and put
// every channel into bank 0, so that the attributes set are the ones read back.
void PrepareGlobals(cmcEeprom& image, int row) {
    for (int adr = 0x0098; adr <= 0x009A; ++adr) {
        image.SetByte(adr, static_cast<uint8_t>(row + 1));
    }
    for (int b = 0; b < 16; ++b) {
        SetBankCount(image, b, b == 0 ? 256 : 0);
    }
}

class EveryKind : public ::testing::TestWithParam<int> {
  protected:
    uint8_t Kind() const { return static_cast<uint8_t>(GetParam()); }
};

}  // namespace

// The name-empty bit of every channel set as its name says (encoding writes it so).
cmcEeprom WithConsistentNameBits(cmcEeprom image) {
    for (int ch = 0; ch < 256; ++ch) {
        bool empty = true;
        for (int i = 0; i < 12; ++i) {
            empty = empty && image.GetByte(0x2000 + 12 * ch + i) == ' ';
        }
        const int b10 = 0x0400 + 20 * ch + 10;
        image.SetByte(b10, static_cast<uint8_t>((image.GetByte(b10) & ~0x04) | (empty ? 4 : 0)));
    }
    return image;
}

TEST_P(EveryKind, DecodeThenEncodeChangesNoByte) {
    for (uint32_t seed = 1; seed <= 5; ++seed) {
        const cmcEeprom original = WithConsistentNameBits(RandomImage(seed));
        cmcEeprom image = original;
        for (int row : RowsOf(Kind())) {
            datCh rec(&image);
            rec.Decode(Kind(), row);
            EXPECT_FALSE(rec.Modified());
            rec.Encode();
            ASSERT_TRUE(image.IsEqual(original)) << "kind " << GetParam() << " row " << row;
        }
    }
}

TEST_P(EveryKind, EveryFieldRoundTrips) {
    std::mt19937 rng(77u + static_cast<uint32_t>(GetParam()));
    for (uint32_t seed = 10; seed < 14; ++seed) {
        cmcEeprom image = RandomImage(seed);
        for (int row : RowsOf(Kind())) {
            PrepareGlobals(image, row);
            datCh rec(&image);
            rec.Decode(Kind(), row);
            Scramble(rec, rng);
            EXPECT_TRUE(rec.Modified() || FieldsOfKind(Kind()).empty());
            rec.Encode();
            datCh back(&image);
            back.Decode(Kind(), row);
            for (const datFieldLayout& s : FieldsOfKind(Kind())) {
                if (row < s.minRow || s.field == datField::NameEmpty) {
                    continue;
                }
                if (s.loc == datLoc::Text || s.loc == datLoc::Bytes) {
                    const uint8_t* a = s.loc == datLoc::Text ? rec.Text() : rec.Data();
                    const uint8_t* b = s.loc == datLoc::Text ? back.Text() : back.Data();
                    for (int i = s.areaOffset; i < s.areaOffset + s.length; ++i) {
                        EXPECT_EQ(a[i], b[i]) << "kind " << GetParam() << " area byte " << i;
                    }
                } else {
                    EXPECT_EQ(back.Get(s.field), rec.Get(s.field))
                        << "kind " << GetParam() << " row " << row << " field "
                        << static_cast<int>(s.field);
                }
            }
            EXPECT_EQ(back.Attr(), rec.Attr());
        }
    }
}

TEST_P(EveryKind, EveryStoredFieldHoldsAllItsBits) {
    cmcEeprom image = ZeroImage();
    for (int row : RowsOf(Kind())) {
        datCh rec(&image);
        rec.Decode(Kind(), row);
        for (const datFieldLayout& s : FieldsOfKind(Kind())) {
            if (s.loc == datLoc::Bits || s.loc == datLoc::ScanBits) {
                rec.Set(s.field, -1);
            }
        }
        rec.Encode();
        datCh back(&image);
        back.Decode(Kind(), row);
        for (const datFieldLayout& s : FieldsOfKind(Kind())) {
            if ((s.loc == datLoc::Bits || s.loc == datLoc::ScanBits) && row >= s.minRow &&
                !s.decodeOnly && s.field != datField::NameEmpty) {
                EXPECT_NE(back.Get(s.field), 0) << "field " << static_cast<int>(s.field);
                EXPECT_EQ(back.Get(s.field), rec.Get(s.field));
            }
        }
    }
}

TEST_P(EveryKind, EncodingWritesOnlyTheRecordsFields) {
    std::mt19937 rng(500u + static_cast<uint32_t>(GetParam()));
    for (uint32_t seed = 20; seed < 26; ++seed) {
        const cmcEeprom original = RandomImage(seed);
        for (int row : RowsOf(Kind())) {
            cmcEeprom image = original;
            datCh rec(&image);
            rec.Decode(Kind(), row);
            Scramble(rec, rng);
            rec.Encode();
            const Footprint fp = KindFootprint(Kind(), row, original);
            for (int adr = 0; adr < image.Size(); ++adr) {
                const uint8_t changed =
                    static_cast<uint8_t>(image.GetByte(adr) ^ original.GetByte(adr));
                const auto it = fp.find(adr);
                const uint8_t allowed = it == fp.end() ? 0 : it->second;
                EXPECT_EQ(changed & ~allowed, 0)
                    << "kind " << GetParam() << " row " << row << " wrote 0x" << std::hex << adr;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, EveryKind, ::testing::Range(1, datKindCount));

TEST(datCh, KindTableRowsAndFlags) {
    EXPECT_EQ(KindInfo(KindMchPmr).lastRow, 255);
    EXPECT_EQ(KindInfo(KindMchPmr).flags, 3);
    EXPECT_EQ(KindInfo(KindRxCode).firstRow, 1);
    EXPECT_EQ(KindInfo(KindTwoTone).lastRow, 3);
    EXPECT_EQ(KindInfo(KindDtmf).flags, KindMayCopy);
    EXPECT_EQ(KindInfo(KindUserTone).flags, 0);
    EXPECT_EQ(KindInfo(KindMskStatus).lastRow, 22);
    EXPECT_EQ(KindInfo(200).flags, 0);
    EXPECT_TRUE(FieldsOfKind(KindBankOp).empty());
}
