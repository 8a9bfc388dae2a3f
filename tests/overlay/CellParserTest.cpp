#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CellParser.h"
#include "OverlayTestUtil.h"

namespace {

// Models used by the cells below.
LinesTable& Models() {
    static LinesTable table({
        "#CellModel_iChI",
        "^-WH(Color=clGray)(Font=,,clWhite,,,fsBold,)",
        "#CellModel_Loop",
        "S($Loop)",
        "#CellModel_Fan",
        "($Fan)($Fan)($Fan)(@ch0+)",
        "#CellModel_Outer",
        ">($Inner)B",
        "#CellModel_Inner",
        "_(Color=clRed)",
        "#End_Of_Ovl",
    });
    return table;
}

cmcCellObj Parse(const std::string& cell, const cmcCellObj* base = nullptr,
                 int32_t* vars = nullptr) {
    cmcCellObj obj;
    ParseCell(cell, obj, vars, base, false, Models().get());
    return obj;
}

std::vector<std::string> Texts(const std::string& row) {
    std::vector<std::string> texts;
    for (const auto& cell : ParseRow(row, nullptr, nullptr, Models().get())) {
        texts.push_back(cell.Text());
    }
    return texts;
}

}  // namespace

TEST(CellCutting, RowsAreCutAtUnescapedBars) {
    using V = std::vector<std::string>;
    EXPECT_EQ(Texts("|a|b|"), (V{"", "a", "b"}));
    EXPECT_EQ(Texts("a|b"), (V{"a", "b"}));
    EXPECT_EQ(Texts("a\\|b|c"), (V{"a|b", "c"}));
    EXPECT_EQ(Texts(""), V{});
    EXPECT_EQ(Texts("x{(%CL_Null:a|b)}|y"), (V{"x", "b)", "y"}));
}

TEST(CellCutting, SplitOnlyLeavesTheObjectAlone) {
    cmcCellObj obj;
    obj.index = 42;
    const std::string row = "{(%CT_Nothing.CL_Nope)}|rest";
    EXPECT_EQ(ParseCell(row, obj, nullptr, nullptr, true), "rest");
    EXPECT_EQ(obj.index, 42);
}

TEST(CellLetters, AlignmentAndFlags) {
    const auto left = Parse("{^!<}x");
    EXPECT_EQ(left.HAlign(), kAlignLeftTop);
    EXPECT_EQ(left.Text(), "x");
    const auto centred = Parse("{^-}");
    EXPECT_EQ(centred.HAlign(), kAlignCentre);
    EXPECT_EQ(centred.VAlign(), kAlignCentre);
    const auto bottomRight = Parse("{>_WH+B}");
    EXPECT_EQ(bottomRight.HAlign(), kAlignRightBottom);
    EXPECT_EQ(bottomRight.VAlign(), kAlignRightBottom);
    EXPECT_EQ(bottomRight.layoutFlags & 0xF0,
              kLayoutWiden | kLayoutGrow | kLayoutJoined | kLayoutBottomRule);
    EXPECT_FALSE(Parse("{S!S}").Selectable());
    EXPECT_TRUE(Parse("{!SS}").Selectable());
    EXPECT_FALSE(Parse("{\\S}").Selectable());
    EXPECT_EQ(Parse("{ST}").stateFlags, kStateSelectable | kStateRowTracking);
    EXPECT_EQ(Parse("{W!W H}").layoutFlags, kLayoutGrow);
}

TEST(CellLetters, BracesAreDroppedAndJoined) {
    const auto obj = Parse("a{S}b{>}c");
    EXPECT_EQ(obj.Text(), "abc");
    EXPECT_TRUE(obj.Selectable());
    EXPECT_EQ(obj.HAlign(), kAlignRightBottom);
}

TEST(CellFont, GroupChangesOnlyTheGivenFields) {
    cmcCellObj base;
    base.font = cmcFont{};
    base.font->name = "Mono";
    base.font->SetHeight(-17);
    base.font->color = 0x123456;
    base.font->style = kFontItalic;
    const auto obj = Parse("{(Font=,,clWhite,,,fsBold,)}", &base);
    ASSERT_TRUE(obj.font.has_value());
    cmcFont expected = *base.font;
    expected.color = 0xFFFFFF;
    expected.style = kFontBold;
    EXPECT_EQ(*obj.font, expected);
    EXPECT_FALSE(Parse("{S}", &base).font.has_value());
}

TEST(CellFont, WithoutABaseFontTheDefaultFontIsChanged) {
    const auto obj =
        Parse("{(Font=SHIFTJIS_CHARSET,Sans,clRed,0,,fsNone+fsUnderline+fsStrikeOut,fpFixed,x,y)}");
    ASSERT_TRUE(obj.font.has_value());
    EXPECT_EQ(obj.font->charset, 128);
    EXPECT_EQ(obj.font->name, "Sans");
    EXPECT_EQ(obj.font->color, 0x0000FFu);
    EXPECT_EQ(obj.font->height, DefaultPlatformFont().height);
    EXPECT_EQ(obj.font->style, kFontUnderline | kFontStrikeOut);
    EXPECT_EQ(obj.font->pitch, cmcFontPitch::Fixed);
    const auto unknown = Parse("{(Font=NO_CHARSET,,clNothing,abc,,fsNothing,fpOdd)}");
    EXPECT_EQ(*unknown.font, DefaultPlatformFont());
}

TEST(CellFont, PercentHeightTruncatesTowardZeroAndStaysAtLeastOne) {
    EXPECT_EQ(Parse("{(Font=,,,-17,,,)(Font=,,,%150,,,)}").font->height, -25);
    EXPECT_EQ(Parse("{(Font=,,,12,,,)(Font=,,,%1,,,)}").font->height, 1);
    EXPECT_EQ(Parse("{(Font=,,,-12,,,)(Font=,,,%1,,,)}").font->height, -1);
    EXPECT_EQ(Parse("{(Font=,,,-20,,,)(Font=,,,%50,,,)}").font->height, -10);
    // Size in points, kept in step with the height at 96 dpi.
    const auto sized = Parse("{(Font=,,,,10,,)(Font=,,,,%150,,)}");
    EXPECT_EQ(sized.font->size, 15);
    EXPECT_EQ(sized.font->height, -20);
}

TEST(CellGroups, ColourImagePopupAndFlags) {
    const auto obj =
        Parse("{(Color=clGray)(ImageIndex=12)(PopupMenu=GI_PMenu_Edit)(Flag1=1)(Flag3=1)}");
    EXPECT_EQ(obj.color, 0x808080u);
    EXPECT_EQ(obj.imageIndex, 12);
    ASSERT_NE(obj.PopupMenuName(), nullptr);
    EXPECT_EQ(*obj.PopupMenuName(), "GI_PMenu_Edit");
    EXPECT_EQ(obj.stateFlags, kStateFlag1 | kStateFlag3);
    const auto cleared = Parse("{(Flag1=0)(Flag0=2)(Flag4=1)(Color=clNothing)}", &obj);
    EXPECT_EQ(cleared.stateFlags, kStateFlag3);
    EXPECT_EQ(cleared.color, 0x808080u);
    EXPECT_EQ(Parse("{(Color=clHightlightText)}").color, 0x8000000Eu);
    EXPECT_EQ(Parse("{(Unknown=1)x}").color, kClWindow);
}

TEST(CellReferences, CategoryItemIndexAndParam) {
    const auto edit = Parse("{(%CT_PopupMenu.CL_PMenu_Edit:Enter)}");
    EXPECT_EQ(edit.category, CT_PopupMenu);
    EXPECT_EQ(edit.item, CL_PMenu_Edit);
    EXPECT_EQ(edit.param, "Enter");
    const auto none = Parse("{(%CT_PopupMenu.)}");
    EXPECT_EQ(none.category, CT_PopupMenu);
    EXPECT_EQ(none.item, kNoCellItem);
    EXPECT_FALSE(none.param.has_value());

    cmcCellObj base;
    base.category = CT_Mch;
    const auto bits = Parse("{(%CL_FBits[3])}", &base);
    EXPECT_EQ(bits.category, CT_Mch);
    EXPECT_EQ(bits.item, CL_FBits);
    EXPECT_EQ(bits.index, 3);

    const auto escaped = Parse("{(%CL_Null:a\\)b\\\\c\\)}");
    EXPECT_EQ(escaped.param, "a)b\\c)");
    const auto dotted = Parse("{(%CL_Null:1.5)}", &base);
    EXPECT_EQ(dotted.category, CT_Mch);
    EXPECT_EQ(dotted.param, "1.5");
    const auto both = Parse("{(%CT_Null.CallSheet[-2]:GI_Sheet_Common,Bank 3)}");
    EXPECT_EQ(both.item, CallSheet);
    EXPECT_EQ(both.index, -2);
    EXPECT_EQ(both.param, "GI_Sheet_Common,Bank 3");
}

TEST(CellReferences, UnknownNamesAreFatal) {
    EXPECT_EQ(InternalErrorOf([] { Parse("{(%CT_Nope.CL_Null)}"); }),
              "Cannot use the specified category.\n'CT_Nope'");
    EXPECT_EQ(InternalErrorOf([] { Parse("{(%CL_Nope)}"); }),
              "Cannot use the specified cell.\n'CL_Nope'");
}

TEST(CellChannelVars, GroupsAndIndexReferences) {
    int32_t vars[kChannelVarCount] = {};
    vars[1] = 5;
    auto obj = Parse("{(@ch1+)(@ch1+)(%CL_Mch_No[@ch1])(@ch3 = 42)}", nullptr, vars);
    EXPECT_EQ(vars[1], 7);
    EXPECT_EQ(obj.index, 7);
    EXPECT_EQ(vars[3], 42);
    EXPECT_EQ(obj.channelVars, nullptr);
    obj = Parse("{(@ch0=-3)}\\(@ch0+10)", nullptr, vars);
    EXPECT_EQ(obj.Text(), "7");
}

TEST(CellChannelVars, MalformedOrUnavailableIsFatal) {
    int32_t vars[kChannelVarCount] = {};
    EXPECT_EQ(InternalErrorOf([&] { Parse("{(@ch12+)}", nullptr, vars); }), "Ch No. Error");
    EXPECT_EQ(InternalErrorOf([&] { Parse("{(@chx+)}", nullptr, vars); }), "Ch No. Error");
    EXPECT_EQ(InternalErrorOf([&] { Parse("{(%CL_Null[@ch])}", nullptr, vars); }), "Ch No. Error");
    EXPECT_EQ(InternalErrorOf([] { Parse("{(@ch1+)}"); }), "Ch No. Error");
    EXPECT_EQ(InternalErrorOf([] { Parse("\\(@ch1)"); }), "Ch No. Error");
    EXPECT_EQ(InternalErrorOf([&] { Parse("\\(1)", nullptr, vars); }), "Ch No. Error");
    EXPECT_EQ(InternalErrorOf([&] { Parse("CH \\(@ch1", nullptr, vars); }), "Illegal Ch No.");
}

TEST(CellDisplay, TrimmingAndEscapes) {
    int32_t vars[kChannelVarCount] = {};
    vars[2] = 123456789;
    vars[4] = 9;
    EXPECT_EQ(Parse("  \t a b \r").Text(), "a b");
    EXPECT_EQ(Parse("\\_a\\_").Text(), " a ");
    EXPECT_EQ(Parse("a\\Nb\\nc").Text(), "a\nb\nc");
    EXPECT_EQ(Parse("x\\q\\").Text(), "xq");
    EXPECT_EQ(Parse("\\{x").Text(), "");  // braces are never escaped
    EXPECT_EQ(Parse("CH\\( @ch4 + 1 )", nullptr, vars).Text(), "CH10");
    EXPECT_EQ(Parse("\\(@ch2+1)", nullptr, vars).Text(), "123456");
    // UTF-8 bytes are text, never blanks or syntax.
    EXPECT_EQ(Parse(" Kan\xC3\xA4l \xC2\xA0").Text(), "Kan\xC3\xA4l \xC2\xA0");
    EXPECT_FALSE(Parse("  {S}  ").text.has_value());
}

TEST(CellModels, ChannelHeaderModel) {
    const auto obj = Parse("{($iChI)}0");
    EXPECT_EQ(obj.HAlign(), kAlignCentre);
    EXPECT_EQ(obj.VAlign(), kAlignCentre);
    EXPECT_EQ(obj.layoutFlags & (kLayoutWiden | kLayoutGrow), kLayoutWiden | kLayoutGrow);
    EXPECT_EQ(obj.color, 0x808080u);
    ASSERT_TRUE(obj.font.has_value());
    EXPECT_EQ(obj.font->color, 0xFFFFFFu);
    EXPECT_EQ(obj.font->style, kFontBold);
    EXPECT_EQ(obj.Text(), "0");
}

TEST(CellModels, NestedSelfIncludingAndMissingModels) {
    const auto nested = Parse("{($Outer)}");
    EXPECT_EQ(nested.HAlign(), kAlignRightBottom);
    EXPECT_EQ(nested.VAlign(), kAlignRightBottom);
    EXPECT_EQ(nested.color, 0x0000FFu);
    EXPECT_NE(nested.layoutFlags & kLayoutBottomRule, 0);
    EXPECT_TRUE(Parse("{($Loop)}").Selectable());
    // A model including itself several times stops after a bounded number of
    // includes (each adds 1 to the variable), not after 3 to the 16th.
    int32_t vars[kChannelVarCount] = {};
    Parse("{($Fan)}", nullptr, vars);
    EXPECT_EQ(vars[0], kMaxCellModelIncludes);
    EXPECT_EQ(InternalErrorOf([] { Parse("{($Nope)}"); }),
              "GTEX Error !\nThe index 'CellModel_Nope' was not found.");
}

TEST(CellReset, CopiesTheBaseButNotItsFontOrPopupMenu) {
    cmcCellObj base = Parse(
        "{^S(%CT_Mch.CL_Mch_Text[7]:p)(Color=clRed)(Font=,,,-9,,,)(ImageIndex=2)"
        "(PopupMenu=GI_PMenu_Edit)}base");
    const auto obj = Parse("", &base);
    EXPECT_EQ(obj.base, &base);
    EXPECT_EQ(obj.category, CT_Mch);
    EXPECT_EQ(obj.item, CL_Mch_Text);
    EXPECT_EQ(obj.index, 7);
    EXPECT_EQ(obj.param, "p");
    EXPECT_EQ(obj.imageIndex, 2);
    EXPECT_EQ(obj.HAlign(), kAlignCentre);
    EXPECT_TRUE(obj.Selectable());
    EXPECT_EQ(obj.color, 0x0000FFu);
    EXPECT_EQ(obj.Text(), "base");
    EXPECT_FALSE(obj.font.has_value());
    EXPECT_FALSE(obj.popupMenu.has_value());
    ASSERT_NE(obj.PopupMenuName(), nullptr);
    EXPECT_EQ(*obj.PopupMenuName(), "GI_PMenu_Edit");
    // A font group starts from the base's own font.
    EXPECT_EQ(Parse("{(Font=,,clRed,,,,)}", &base).font->height, -9);
}
