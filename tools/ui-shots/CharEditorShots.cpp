#include "CharEditorShots.h"

#include <QApplication>

#include "RadioFont.h"
#include "ShotSave.h"
#include "cmcGTex.h"
#include "cuiCEdit.h"
#include "cuiTextEditor.h"
#include "indDocument.h"
#include "indDocumentContext.h"

namespace {

// A small antenna with waves, as a dealer might draw it.
const char* const Antenna[RadioFont::Rows] = {
    "........", "........", ".#...#..", "#..#..#.", "#.#.#.#.", "#..#..#.", ".#.#.#..",
    "...#....", "...#....", "...#....", "..###...", "..#.#...", ".#...#..", ".#...#..",
    "#######.", "........", "........", "........", "........", "........"};

std::string AntennaDots() {
    std::string dots;
    for (const char* row : Antenna) {
        for (int x = 0; x < RadioFont::Columns; ++x) {
            dots.push_back(row[x] == '#' ? '1' : '0');
        }
    }
    return dots;
}

RadioFont::Glyph AntennaGlyph() {
    RadioFont::Glyph g{};
    for (int y = 0; y < RadioFont::Rows; ++y) {
        for (int x = 0; x < RadioFont::Columns; ++x) {
            if (Antenna[y][x] == '#') {
                g[static_cast<size_t>(y) + 1] |= static_cast<uint8_t>(0x80 >> x);
            }
        }
    }
    return g;
}

int SaveLater(QWidget* window, const std::string& out) {
    SaveWhenShown(window, out);
    return QApplication::exec();
}

}  // namespace

int ShowDotEditor(const std::string& out) {
    auto* editor = new cuiCEdit(nullptr, GTex(), AntennaDots(), 100, nullptr);
    editor->show();
    return SaveLater(editor, out);
}

int ShowTextEditor(const std::string& out) {
    class NoMenu : public indCommands {};
    indDocument document;
    NoMenu menu;
    indDocumentContext context(document, menu, GTex());
    document.Start();
    document.NewFile();
    const RadioFont::Glyph glyph = AntennaGlyph();
    document.WorkingImage().WriteBlock(RadioFont::UserAddress, glyph.data(), RadioFont::GlyphBytes);
    cuiTextEditor::Setup setup;
    setup.text = "%10 Caf%E9 channel";  // runs past the 12-character field
    setup.caret = static_cast<int>(setup.text.size());
    setup.font = QApplication::font();
    setup.user = RadioFont::ReadUserGlyphs(document.WorkingImage());
    auto* editor =
        new cuiTextEditor(nullptr, setup, context.MakeSheet("GI_Sheet_Sel_Text"), nullptr);
    editor->Popup(QPoint(40, 40));
    return SaveLater(editor, out);
}
