// The sheet pane's editors for text in the radio's character set.

#include "OverlayStyle.h"
#include "cmcGTex.h"
#include "cuiCEdit.h"
#include "cuiSheetPane.h"
#include "cuiTextEditor.h"
#include "indMain.h"

void cuiSheetPane::OpenRadioEditor(const indCellResult& result) {
    const cuiCellPos at = Current();
    CursorMoved();
    const auto done = [this](std::optional<std::string> text) { RadioEditorDone(text); };
    if (result.radio.userCharacter) {
        charEditor_ = new cuiCEdit(window(), main_.Context().Texts(), result.editText,
                                   main_.FontSize(), done);
        charEditor_->show();
        return;
    }
    cmcGTex& texts = main_.Context().Texts();
    cuiTextEditor::Setup setup;
    setup.text = result.editText;
    setup.caret = result.caretPos;
    setup.selLength = result.selLength;
    setup.fieldLength = result.radio.length;
    setup.font = painter_.Font(sheet_->Cell(at.row, at.col));
    setup.ok = OverlayStyle::Qs(texts.GetText("GI_AppInd_Button_OkCancel", 0));
    setup.cancel = OverlayStyle::Qs(texts.GetText("GI_AppInd_Button_OkCancel", 1));
    setup.user = RadioFont::ReadUserGlyphs(main_.Context().WorkingImage());
    textEditor_ =
        new cuiTextEditor(this, setup, main_.Context().MakeSheet("GI_Sheet_Sel_Text"), done);
    textEditor_->Popup(viewport()->mapToGlobal(CellRect(at.row, at.col).topLeft()));
}

void cuiSheetPane::RadioEditorDone(const std::optional<std::string>& text) {
    activateWindow();
    setFocus(Qt::OtherFocusReason);
    if (cells_ == nullptr || !text) {
        viewport()->update();
        return;
    }
    ++busy_;
    const indCellResult result = cells_->Commit(*text);
    --busy_;
    Follow(result);
}
