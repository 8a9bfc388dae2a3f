#include "cuiCEditDots.h"

#include <algorithm>

void cuiCEditDots::Load(const std::string& dots) {
    for (size_t i = 0; i < shown_.size(); ++i) {
        shown_[i] = i < dots.size() && dots[i] != '0' ? 1 : 0;
    }
    base_ = shown_;
    overlay_.fill(0);
    dragging_ = false;
    combine_ = Combine::Add;
}

std::string cuiCEditDots::DotText() const {
    std::string text;
    for (const uint8_t dot : shown_) {
        text.push_back(dot != 0 ? '1' : '0');
    }
    return text;
}

void cuiCEditDots::Commit() {
    base_ = shown_;
    overlay_.fill(0);
}

void cuiCEditDots::Recombine() {
    for (size_t i = 0; i < shown_.size(); ++i) {
        switch (combine_) {
            case Combine::Add:
                shown_[i] = base_[i] | overlay_[i];
                break;
            case Combine::Erase:
                shown_[i] = base_[i] & (overlay_[i] ^ 1);
                break;
            case Combine::Replace:
                shown_[i] = overlay_[i];
                break;
        }
    }
}

void cuiCEditDots::Press(Cell at, bool right) {
    if (!Inside(at)) {
        return;
    }
    Commit();
    dragging_ = true;
    right_ = right;
    start_ = at;
    Move(at);
}

void cuiCEditDots::Move(Cell at) {
    if (!dragging_) {
        return;
    }
    overlay_.fill(0);
    switch (tool_) {
        case Tool::Pen:
            if (Inside(at)) {
                base_[Index(at.x, at.y)] = right_ ? 0 : 1;
            }
            combine_ = Combine::Add;
            break;
        case Tool::Rectangle: {
            // The pointer's cell is clamped, so a drag beyond the grid stops at its border.
            const int x0 = std::min(start_.x, std::clamp(at.x, 0, Width - 1));
            const int x1 = std::max(start_.x, std::clamp(at.x, 0, Width - 1));
            const int y0 = std::min(start_.y, std::clamp(at.y, 0, Height - 1));
            const int y1 = std::max(start_.y, std::clamp(at.y, 0, Height - 1));
            for (int y = y0; y <= y1; ++y) {
                for (int x = x0; x <= x1; ++x) {
                    overlay_[Index(x, y)] = 1;
                }
            }
            combine_ = right_ ? Combine::Erase : Combine::Add;
            break;
        }
        case Tool::Shift: {
            // The base moved by the pointer's offset, wrapping around at the edges.
            const int dx = ((at.x - start_.x) % Width + Width) % Width;
            const int dy = ((at.y - start_.y) % Height + Height) % Height;
            for (int y = 0; y < Height; ++y) {
                for (int x = 0; x < Width; ++x) {
                    overlay_[Index((x + dx) % Width, (y + dy) % Height)] = base_[Index(x, y)];
                }
            }
            combine_ = Combine::Replace;
            break;
        }
    }
    Recombine();
}

void cuiCEditDots::Release() {
    if (!dragging_) {
        return;
    }
    dragging_ = false;
    Commit();
    combine_ = Combine::Add;
}

void cuiCEditDots::Clear() {
    base_.fill(0);
    overlay_.fill(0);
    shown_.fill(0);
}

std::vector<cuiCEditDots::Cell> cuiCEditDots::TakeChanged() {
    std::vector<Cell> changed;
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x) {
            if (shown_[Index(x, y)] != reported_[Index(x, y)]) {
                changed.push_back({x, y});
            }
        }
    }
    reported_ = shown_;
    return changed;
}
