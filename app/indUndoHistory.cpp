#include "indUndoHistory.h"

#include <algorithm>
#include <cstring>

#include "cmcEeprom.h"

namespace {

// Unchanged bytes up to this many between two changes join the two runs:
// cheaper than a second run's bookkeeping.
constexpr int kJoinGap = 8;

indUndoRecord Diff(const std::vector<uint8_t>& before, const cmcEeprom& after) {
    indUndoRecord r;
    r.sizeBefore = static_cast<int>(before.size());
    r.sizeAfter = after.Size();
    const int size = std::max(r.sizeBefore, r.sizeAfter);
    const auto byteBefore = [&](int a) { return a < r.sizeBefore ? before[a] : uint8_t{0}; };
    const auto byteAfter = [&](int a) { return a < r.sizeAfter ? after.Data()[a] : uint8_t{0}; };
    std::vector<std::pair<int, int>> spans;  // first, last
    for (int a = 0; a < size; ++a) {
        if (byteBefore(a) == byteAfter(a)) {
            continue;
        }
        if (!spans.empty() && a - spans.back().second <= kJoinGap) {
            spans.back().second = a;
        } else {
            spans.emplace_back(a, a);
        }
    }
    for (const auto& [first, last] : spans) {
        const int length = last - first + 1;
        r.runs.push_back({static_cast<uint32_t>(first), static_cast<uint32_t>(length)});
        for (int a = first; a <= last; ++a) {
            r.bytes.push_back(byteBefore(a));
        }
        for (int a = first; a <= last; ++a) {
            r.bytes.push_back(byteAfter(a));
        }
    }
    return r;
}

// Writes one side of the step (0 before, 1 after) through set(address, byte).
template <class Set>
void ApplySide(const indUndoRecord& r, int side, Set set) {
    size_t offset = 0;
    for (const indUndoRecord::Run& run : r.runs) {
        const uint8_t* bytes = r.bytes.data() + offset + (side == 0 ? 0 : run.length);
        for (uint32_t i = 0; i < run.length; ++i) {
            set(static_cast<int>(run.address + i), bytes[i]);
        }
        offset += 2 * size_t{run.length};
    }
}

void Apply(const indUndoRecord& r, int side, cmcEeprom& image) {
    const int size = side == 0 ? r.sizeBefore : r.sizeAfter;
    if (image.Size() != size) {
        image.Resize(size);
    }
    ApplySide(r, side, [&](int address, uint8_t value) {
        if (address < image.Size()) {
            image.SetByte(address, value);
        }
    });
}

bool SamePlace(const indUndoPlace& a, const indUndoPlace& b) {
    return a.sheet == b.sheet && a.row == b.row && a.col == b.col;
}

}  // namespace

size_t indUndoRecord::Memory() const {
    return sizeof(indUndoRecord) + name.capacity() + place.sheet.capacity() +
           runs.capacity() * sizeof(Run) + bytes.capacity();
}

bool indUndoHistory::Begin(const cmcEeprom& image, int modelType, std::string name,
                           indUndoPlace place) {
    if (depth_++ > 0) {
        return false;
    }
    abandoned_ = false;
    before_.assign(image.Data(), image.Data() + image.Size());
    modelBefore_ = modelType;
    name_ = std::move(name);
    place_ = std::move(place);
    return true;
}

void indUndoHistory::End(const cmcEeprom& image, int modelType) {
    if (depth_ == 0 || --depth_ > 0) {
        return;
    }
    const bool same = !abandoned_ && modelType == modelBefore_ &&
                      before_.size() == static_cast<size_t>(image.Size()) &&
                      std::memcmp(before_.data(), image.Data(), before_.size()) == 0;
    const bool join = joinNext_;
    joinNext_ = joinAsked_ && !abandoned_ && !same;
    joinAsked_ = false;
    if (!abandoned_ && !same) {
        if (join && !undo_.empty() && redo_.empty() && SamePlace(undo_.back().place, place_)) {
            // The change that opened the editor and the edit become one step.
            const indUndoRecord& last = undo_.back();
            before_.resize(static_cast<size_t>(last.sizeBefore));
            ApplySide(last, 0, [&](int address, uint8_t value) {
                if (static_cast<size_t>(address) < before_.size()) {
                    before_[static_cast<size_t>(address)] = value;
                }
            });
            modelBefore_ = last.modelBefore;
            used_ -= last.Memory();
            undo_.pop_back();
        }
        indUndoRecord r = Diff(before_, image);
        r.name = std::move(name_);
        r.place = std::move(place_);
        r.modelBefore = modelBefore_;
        r.modelAfter = modelType;
        Push(std::move(r));
    }
    before_ = {};
    before_.shrink_to_fit();
}

void indUndoHistory::Push(indUndoRecord record) {
    record.bytes.shrink_to_fit();
    record.runs.shrink_to_fit();
    redo_.clear();
    used_ += record.Memory();
    undo_.push_back(std::move(record));
    // The newest step stays even when it alone passes the budget.
    while (used_ > budget_ && undo_.size() > 1) {
        used_ -= undo_.front().Memory();
        undo_.pop_front();
    }
    Changed();
}

void indUndoHistory::Changed() {
    if (listener_) {
        listener_();
    }
}

void indUndoHistory::Clear() {
    undo_.clear();
    redo_.clear();
    used_ = 0;
    abandoned_ = depth_ > 0;
    joinNext_ = false;
    joinAsked_ = false;
    Changed();
}

std::string indUndoHistory::UndoName() const {
    return undo_.empty() ? std::string() : undo_.back().name;
}

std::string indUndoHistory::RedoName() const {
    return redo_.empty() ? std::string() : redo_.back().name;
}

const indUndoRecord* indUndoHistory::Undo(cmcEeprom& image) {
    if (undo_.empty() || depth_ > 0) {
        return nullptr;
    }
    Apply(undo_.back(), 0, image);
    used_ -= undo_.back().Memory();
    redo_.push_back(std::move(undo_.back()));
    undo_.pop_back();
    Changed();
    return &redo_.back();
}

const indUndoRecord* indUndoHistory::Redo(cmcEeprom& image) {
    if (redo_.empty() || depth_ > 0) {
        return nullptr;
    }
    Apply(redo_.back(), 1, image);
    used_ += redo_.back().Memory();
    undo_.push_back(std::move(redo_.back()));
    redo_.pop_back();
    Changed();
    return &undo_.back();
}
