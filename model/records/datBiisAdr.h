#pragma once
// The MSK address plan: the group start address g (16-bit at 0x34E0) splits
// the 12-bit address space into the individual range 0..g-1 (killer address,
// own-ID group 0) and the group range g..4095 (own-ID groups 1..7).

#include <cstdint>

class cmcEeprom;

struct datAdrRange {
    int first;
    int last;
    bool Contains(int address) const { return address >= first && address <= last; }
};

class datBiisAdr {
  public:
    static constexpr int AdrGroupStart = 0x34E0;
    static constexpr int LastAddress = 4095;

    // Reads g from the image and recomputes the ranges.
    void Load(const cmcEeprom& image);
    // Writes g into the image and recomputes the ranges.
    void Store(cmcEeprom& image);

    int GroupStart() const { return groupStart_; }
    void SetGroupStart(int g);

    const datAdrRange& Individual() const { return individual_; }
    const datAdrRange& Group() const { return group_; }
    // The range an own-ID group's address must lie in: individual for group 0, else group.
    const datAdrRange& RangeOfIdGroup(int group) const { return group == 0 ? individual_ : group_; }

  private:
    void Recompute();

    int groupStart_ = 0;
    datAdrRange individual_{0, -1};
    datAdrRange group_{0, LastAddress};
};
