#include "OverlayStyle.h"

#include <array>

namespace OverlayStyle {

namespace {

constexpr uint32_t SystemColorBit = 0x80000000u;

struct SystemRole {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// By system colour number (the low byte of clXxx), 0 to 20.
constexpr std::array<SystemRole, 21> kSystemRoles = {{
    {QPalette::Active, QPalette::Window},           // 0 scroll bar
    {QPalette::Active, QPalette::Window},           // 1 desktop
    {QPalette::Active, QPalette::Highlight},        // 2 active caption
    {QPalette::Inactive, QPalette::Mid},            // 3 inactive caption
    {QPalette::Active, QPalette::Window},           // 4 menu
    {QPalette::Active, QPalette::Base},             // 5 window
    {QPalette::Active, QPalette::Shadow},           // 6 window frame
    {QPalette::Active, QPalette::WindowText},       // 7 menu text
    {QPalette::Active, QPalette::Text},             // 8 window text
    {QPalette::Active, QPalette::HighlightedText},  // 9 caption text
    {QPalette::Active, QPalette::Window},           // 10 active border
    {QPalette::Active, QPalette::Window},           // 11 inactive border
    {QPalette::Active, QPalette::Dark},             // 12 application work space
    {QPalette::Active, QPalette::Highlight},        // 13 highlight
    {QPalette::Active, QPalette::HighlightedText},  // 14 highlighted text
    {QPalette::Active, QPalette::Button},           // 15 button face
    {QPalette::Active, QPalette::Dark},             // 16 button shadow
    {QPalette::Disabled, QPalette::Text},           // 17 grey text
    {QPalette::Active, QPalette::ButtonText},       // 18 button text
    {QPalette::Disabled, QPalette::WindowText},     // 19 inactive caption text
    {QPalette::Active, QPalette::Light},            // 20 button highlight
}};

}  // namespace

QColor OverlayColor(uint32_t color, const QPalette& palette) {
    if ((color & SystemColorBit) != 0) {
        const uint32_t index = color & 0xFFu;
        if (index < kSystemRoles.size()) {
            return palette.color(kSystemRoles[index].group, kSystemRoles[index].role);
        }
        return palette.color(QPalette::Text);
    }
    // 0x00BBGGRR
    return QColor(static_cast<int>(color & 0xFFu), static_cast<int>((color >> 8) & 0xFFu),
                  static_cast<int>((color >> 16) & 0xFFu));
}

QFont OverlayFont(const cmcFont& font) {
    QFont out(QString::fromStdString(font.name));
    // A negative height is the character height in pixels, a positive one the
    // cell height, which holds about a fifth of internal leading.
    const int pixels = font.height < 0 ? -font.height : font.height * 4 / 5;
    out.setPixelSize(pixels > 0 ? pixels : 13);
    out.setBold((font.style & kFontBold) != 0);
    out.setItalic((font.style & kFontItalic) != 0);
    out.setUnderline((font.style & kFontUnderline) != 0);
    out.setStrikeOut((font.style & kFontStrikeOut) != 0);
    if (font.pitch == cmcFontPitch::Fixed) {
        out.setFixedPitch(true);
        out.setStyleHint(QFont::Monospace);
    }
    return out;
}

const cmcFont& CellFont(const cmcCellObj& cell) {
    for (const cmcCellObj* c = &cell; c != nullptr; c = c->base) {
        if (c->font) {
            return *c->font;
        }
    }
    return DefaultPlatformFont();
}

}  // namespace OverlayStyle
