// The radio font table, the display form of radio text, the glyph placement
// arithmetic and the dot-editor tools.

#include <gtest/gtest.h>

#include <string>

#include "RadioFont.h"
#include "RadioText.h"
#include "cmcEeprom.h"
#include "cuiCEditDots.h"
#include "cuiFTextLayout.h"

namespace {

// The dot rows (0..19) of a glyph that hold a dot.
std::pair<int, int> InkRows(const RadioFont::Glyph& g) {
    int first = -1, last = -1;
    for (int r = 0; r < RadioFont::Rows; ++r) {
        if (g[static_cast<size_t>(r) + 1] != 0) {
            first = first < 0 ? r : first;
            last = r;
        }
    }
    return {first, last};
}

TEST(RadioFont, GivenAIsKeptAndCapitalsShareItsBaselineAndHeight) {
    const RadioFont::Glyph a = {0x00, 0x10, 0x28, 0x28, 0x28, 0x44, 0x44, 0x44, 0x44, 0x44, 0x44,
                                0x7C, 0x82, 0x82, 0x82, 0x82, 0x82, 0x82, 0x00, 0x00, 0x00, 0x00};
    EXPECT_EQ(RadioFont::BuiltIn('A'), a);
    const auto [aTop, aBottom] = InkRows(a);
    for (const int code : {int{'B'}, int{'H'}, int{'Z'}, int{'0'}, int{'7'}, 0xC9 /* E acute */}) {
        const auto [top, bottom] = InkRows(RadioFont::BuiltIn(code));
        EXPECT_EQ(top, aTop) << code;
        EXPECT_EQ(bottom, aBottom) << code;
    }
    // Lower case without descenders sits on the baseline; descenders go below it.
    EXPECT_EQ(InkRows(RadioFont::BuiltIn('x')).second, aBottom);
    EXPECT_GT(InkRows(RadioFont::BuiltIn('g')).second, aBottom);
    for (const int code : {0, 15, 32}) {
        EXPECT_EQ(InkRows(RadioFont::BuiltIn(code)).first, -1) << code;
    }
    // Every printable code and every Latin-1 letter has dots; bytes 0 and 21 stay 0.
    for (int code = 33; code < 256; ++code) {
        const RadioFont::Glyph& g = RadioFont::BuiltIn(code);
        EXPECT_EQ(g[0] | g[21], 0) << code;
        if (code <= 126 || code >= 0xC0) {
            EXPECT_GE(InkRows(g).first, 0) << code;
        }
    }
}

TEST(RadioFont, UserCharactersComeFromTheImage) {
    cmcEeprom image;
    EXPECT_EQ(RadioFont::ReadUserGlyphs(image)[0][1], 0);  // no image: blank characters
    image.Resize(0x2000);
    image.SetByte(RadioFont::UserAddress + 22 * 3 + 5, 0xA5);
    const RadioFont::UserGlyphs user = RadioFont::ReadUserGlyphs(image);
    ASSERT_NE(RadioFont::Lookup(16 + 3, user), nullptr);
    EXPECT_EQ((*RadioFont::Lookup(16 + 3, user))[5], 0xA5);
    EXPECT_EQ(RadioFont::Lookup(15, user), nullptr);
    EXPECT_EQ(RadioFont::Lookup('A', user), &RadioFont::BuiltIn('A'));
}

TEST(RadioText, DisplayFormBothWays) {
    struct Case {
        std::string bytes;
        std::string shown;
    };
    const Case toDisplay[] = {
        {"AB\x1A"
         "C",
         "AB%1AC"},
        {"5%", "5%%"},
        {std::string("AB\x05"
                     "CD",
                     5),
         "AB"},  // a byte below 16 ends the text
        {"\xE9\x7F", "%E9%7F"},
    };
    for (const Case& c : toDisplay) {
        EXPECT_EQ(RadioText::ToDisplay(reinterpret_cast<const uint8_t*>(c.bytes.data()),
                                       static_cast<int>(c.bytes.size())),
                  c.shown)
            << c.shown;
    }
    const Case fromDisplay[] = {
        {"\x1A", "%1A"}, {"\x1A", "%1a"}, {"%0A", "%0A"},  // 0x0A is no text byte
        {"%", "%%"},     {"%G1", "%G1"},  {"%", "%"},     {"A B", "A\tB"},
    };
    for (const Case& c : fromDisplay) {
        EXPECT_EQ(RadioText::FromDisplay(c.shown), c.bytes) << c.shown;
    }
    uint8_t field[12];
    RadioText::Store("%1AX", field, 12);
    EXPECT_EQ(field[0], 0x1A);
    EXPECT_EQ(field[1], 'X');
    EXPECT_EQ(field[11], ' ');
}

TEST(FTextLayout, GlyphPlacementAtThreeCellHeights) {
    struct Case {
        int rectHeight, lines;
        int glyphHeight, glyphWidth, line1, line2, pitch;
    };
    const Case cases[] = {
        // h = 20: full size, 8 wide, one pixel below the top.
        {22, 1, 20, 8, 1, 22, 10},
        // h = 15: below full size the width is half as much again (9), cut to 8.
        {17, 1, 15, 8, 1, 17, 10},
        // two lines of h = 43: glyphs 40 high, 16 wide, centred in each line.
        {90, 2, 40, 16, 2, 46, 19},
    };
    for (const Case& c : cases) {
        const cuiFTextLayout l = cuiFTextLayout::For(c.rectHeight, c.lines);
        EXPECT_EQ(l.glyphHeight, c.glyphHeight) << c.rectHeight;
        EXPECT_EQ(l.glyphWidth, c.glyphWidth) << c.rectHeight;
        EXPECT_EQ(l.lineTop[0], c.line1) << c.rectHeight;
        EXPECT_EQ(l.lineTop[1], c.line2) << c.rectHeight;
        EXPECT_EQ(l.pitch, c.pitch) << c.rectHeight;
        EXPECT_EQ(l.X(13, 12), l.startX + c.pitch) << c.rectHeight;
        EXPECT_EQ(l.Y(13, 12), c.line2) << c.rectHeight;
        // The dot rows tile the glyph height; each is at least one pixel.
        EXPECT_EQ(l.Row(0).from, 0);
        EXPECT_EQ(l.Row(19).to, c.glyphHeight);
        EXPECT_EQ(l.Column(7).to, c.glyphWidth);
    }
    // A tiny cell still draws each dot one pixel large.
    const cuiFTextLayout tiny = cuiFTextLayout::For(8, 1);
    EXPECT_EQ(tiny.Row(3).to - tiny.Row(3).from, 1);
}

// The dot text of a pattern given as 20 rows of 8 characters ('#' on).
std::string Dots(std::initializer_list<std::pair<int, const char*>> rows) {
    std::string text(160, '0');
    for (const auto& [y, row] : rows) {
        for (int x = 0; x < 8; ++x) {
            text[static_cast<size_t>(y * 8 + x)] = row[x] == '#' ? '1' : '0';
        }
    }
    return text;
}

TEST(CEditDots, Tools) {
    using T = cuiCEditDots::Tool;
    struct Case {
        const char* name;
        std::string before;
        T tool;
        bool right;
        cuiCEditDots::Cell from, to;
        std::string after;
    };
    const Case cases[] = {
        {"shift right by 3 wraps the three rightmost columns",
         Dots({{4, "#....###"}}),
         T::Shift,
         false,
         {1, 1},
         {4, 1},
         Dots({{4, "####...."}})},
        {"shift up wraps the top row to the bottom",
         Dots({{0, "#......."}}),
         T::Shift,
         false,
         {0, 5},
         {0, 4},
         Dots({{19, "#......."}})},
        {"a rectangle dragged outside stops at the border",
         Dots({}),
         T::Rectangle,
         false,
         {5, 17},
         {30, 99},
         Dots({{17, ".....###"}, {18, ".....###"}, {19, ".....###"}})},
        {"the right button erases a rectangle",
         Dots({{2, "########"}}),
         T::Rectangle,
         true,
         {2, 2},
         {5, 2},
         Dots({{2, "##....##"}})},
        {"the pen draws with the left button",
         Dots({}),
         T::Pen,
         false,
         {3, 0},
         {4, 0},
         Dots({{0, "...##..."}})},
        {"the pen clears with the right button",
         Dots({{6, "########"}}),
         T::Pen,
         true,
         {0, 6},
         {1, 6},
         Dots({{6, "..######"}})},
    };
    for (const Case& c : cases) {
        cuiCEditDots dots;
        dots.Load(c.before);
        dots.SetTool(c.tool);
        dots.Press(c.from, c.right);
        dots.Move(c.to);
        dots.Release();
        EXPECT_EQ(dots.DotText(), c.after) << c.name;
        EXPECT_EQ(dots.CurrentCombine(), cuiCEditDots::Combine::Add) << c.name;
    }
}

TEST(CEditDots, DragShowsOverlayAndReportsOnlyChangedDots) {
    cuiCEditDots dots;
    dots.Load(Dots({{0, "#......."}}));
    (void)dots.TakeChanged();
    dots.SetTool(cuiCEditDots::Tool::Rectangle);
    dots.Press({1, 1}, true);
    dots.Move({2, 1});
    EXPECT_EQ(dots.CurrentCombine(), cuiCEditDots::Combine::Erase);
    dots.Release();
    EXPECT_TRUE(dots.TakeChanged().empty());  // erasing empty dots changes nothing
    dots.Press({-1, 0}, false);               // a press outside the grid does nothing
    EXPECT_FALSE(dots.Dragging());
    dots.Clear();
    const auto changed = dots.TakeChanged();
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0].x, 0);
    EXPECT_EQ(changed[0].y, 0);
}

}  // namespace
