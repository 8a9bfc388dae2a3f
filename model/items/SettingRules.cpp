#include "SettingRules.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "ModelType.h"
#include "ValueText.h"
#include "datBiisAdr.h"
#include "indCellCapsule.h"

namespace SettingRules {

namespace {

constexpr int32_t NotDecimal = 65535;

int32_t BcdToNumber(int32_t word) {
    int32_t n = 0;
    for (int shift = 12; shift >= 0; shift -= 4) {
        const int digit = (word >> shift) & 0xF;
        if (digit > 9) {
            return NotDecimal;
        }
        n = n * 10 + digit;
    }
    return n;
}

int32_t NumberToBcd(int32_t n) {
    n = std::clamp(n, 0, 9999);
    return (n / 1000) << 12 | (n / 100 % 10) << 8 | (n / 10 % 10) << 4 | n % 10;
}

constexpr uint32_t SignBit = 0x80000000u;

}  // namespace

int32_t ToShown(indConversion conversion, int32_t stored) {
    switch (conversion) {
        case indConversion::None:
            return stored;
        case indConversion::Inverted:
            return stored != 0 ? 0 : 1;
        case indConversion::TimesTwo:
            return stored * 2;
        case indConversion::BeepLevel:
            return (stored & 0x0F) + 100 * ((stored >> 4) & 1);
        case indConversion::NonZero:
        case indConversion::NotFifteen:
            return stored != (conversion == indConversion::NonZero ? 0 : 15) ? 1 : 0;
        case indConversion::ToneCodeHz:
            return ValueText::HzFromToneCode(stored);
        case indConversion::BeepHz:
            return ValueText::BeepHzFromByte(stored);
        case indConversion::UserCtcss:
            return ValueText::CtcssTenthsFromWord(stored);
        case indConversion::SignMagnitude: {
            const auto u = static_cast<uint32_t>(stored);
            const auto magnitude = static_cast<int32_t>(u & ~SignBit);
            return (u & SignBit) != 0 ? -magnitude : magnitude;
        }
        case indConversion::Bcd:
            return BcdToNumber(stored);
    }
    return stored;
}

int32_t ToStored(indConversion conversion, int32_t shown, int32_t old) {
    switch (conversion) {
        case indConversion::None:
            return shown;
        case indConversion::Inverted:
            return shown != 0 ? 0 : 1;
        case indConversion::TimesTwo:
            return (shown >> 1) & 3;
        case indConversion::BeepLevel:
            return ((shown % 100) & 0x0F) | (shown >= 100 ? 0x10 : 0);
        case indConversion::NonZero:
            return shown != 0 ? 1 : 0;
        case indConversion::NotFifteen:
            // The byte also holds another table's digit: rewrite it only when the reading changes.
            return (old != 15) == (shown != 0) ? old : (shown != 0 ? 0xFF : 15);
        case indConversion::ToneCodeHz:
            return ValueText::ToneCodeFromHz(shown);
        case indConversion::BeepHz:
            return ValueText::BeepByteFromHz(shown);
        case indConversion::UserCtcss:
            return ValueText::CtcssWordFromTenths(shown);
        case indConversion::SignMagnitude: {
            const int64_t v = shown;
            const auto magnitude = static_cast<uint32_t>(v < 0 ? -v : v) & ~SignBit;
            return static_cast<int32_t>(magnitude | (v < 0 ? SignBit : 0u));
        }
        case indConversion::Bcd:
            return NumberToBcd(shown);
    }
    return shown;
}

int TwoToneCentre(int low, int high) {
    return (low + high) * 10 / 2;
}

Window TwoToneWindow(int centreTenths) {
    // c = centre / 10 Hz; low = c x 0.97 and high = c x 1.03, rounded half up.
    const int64_t f = std::max(centreTenths, 0);
    return {static_cast<int>((f * 97 + 500) / 1000), static_cast<int>((f * 103 + 500) / 1000)};
}

Window UserToneWindow(int hz) {
    const int64_t f = std::max(hz, 0);
    const int low = static_cast<int>(f * 97 / 100);           // largest whole Hz <= f x 0.97
    const int high = static_cast<int>((f * 103 + 99) / 100);  // smallest whole Hz >= f x 1.03
    return {std::clamp(low, 400, 3000), std::clamp(high, 400, 3000)};
}

uint8_t AddressMarks(indRule rule, int32_t value, int row, const datBiisAdr& plan) {
    bool inside = true;
    switch (rule) {
        case indRule::KillerRange:
            inside = plan.Individual().Contains(value);
            break;
        case indRule::IdGroupRange:
            inside = plan.RangeOfIdGroup(row).Contains(value);
            break;
        case indRule::AddressSpace:
            inside = value >= 0 && value <= datBiisAdr::LastAddress;
            break;
        default:
            break;
    }
    return inside ? 0 : CapsuleFlags::Error;
}

std::string IndividualRangeText(int row, int groupStart) {
    if (row == 0) {
        return "0000 (No Edit)";
    }
    if (row != 1) {
        return "error";
    }
    if (groupStart == 0) {
        return "----";
    }
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d (No Edit)", groupStart - 1);
    return buf;
}

std::string DtmfSlotName(int row, int modelType) {
    if (row == 0) {
        return "Autodial";
    }
    if (modelType == ModelLmr && row == 6) {
        return "Emergency";
    }
    if (modelType == ModelLmr && row == 7) {
        return "Log/ID";
    }
    return std::to_string(row + 1);
}

// The maker sheet's reference tables (described in docs/setting-items.md,
// "PLL reference tables").
// Bits to index, by (bit 4, bit 2, bit 1, bit 0 = PLL type) as a 4-bit number.
constexpr std::array<int8_t, 16> kBitsToIndex = {
    0, 0,  // 000
    1, 1,  // 001
    2, 2,  // 010
    3, 3,  // 011
    4, 4,  // 100
    5, 5,  // 101
    6, 6,  // 110
    6, 0,  // 111: not used by the radio; read as the last entry / the first entry
};
// Index to each reference bit.
constexpr std::array<int8_t, PllReferenceCount> kIndexToBit4 = {0, 0, 0, 0, 1, 1, 1};
constexpr std::array<int8_t, PllReferenceCount> kIndexToBit2 = {0, 0, 1, 1, 0, 0, 1};
constexpr std::array<int8_t, PllReferenceCount> kIndexToBit1 = {0, 1, 0, 1, 0, 1, 0};

int PllReferenceIndex(int referenceBits, int pllType) {
    return kBitsToIndex[static_cast<size_t>(((referenceBits & 7) << 1) | (pllType & 1))];
}

int PllReferenceBits(int index) {
    const auto i = static_cast<size_t>(std::clamp(index, 0, PllReferenceCount - 1));
    return kIndexToBit4[i] << 2 | kIndexToBit2[i] << 1 | kIndexToBit1[i];
}

const char* PllReferenceList(int pllType) {
    return (pllType & 1) != 0 ? "GI_Sheet_Sel_Maker_PllRef2" : "GI_Sheet_Sel_Maker_PllRef";
}

}  // namespace SettingRules
