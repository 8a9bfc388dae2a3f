#include "SettingSheets.h"

#include "SheetFactory.h"
#include "indSettingItem.h"

const std::vector<SettingSheet>& SettingSheets() {
    namespace M = ModelMask;
    static const std::vector<SettingSheet> sheets = {
        {"[St_Common]GI_Sheet_Common", M::All, false},
        {"GI_Sheet_KeyDisp", M::All, false},
        {"GI_Sheet_SetMode", M::All, false},
        {"GI_Sheet_Dtmf", M::All, false},
        {"GI_Sheet_ScanList", M::All, false},
        {"[St_Common]GI_Sheet_ScanComm", M::All, false},
        {"GI_Sheet_CTone", M::All, false},
        {"GI_Sheet_2Tone", M::Lmr, false},
        {"GI_Sheet_2ToneTx", M::Lmr, false},
        {"GI_Sheet_5ToneRx", M::AnyPmr, false},
        {"GI_Sheet_5ToneTx", M::AnyPmr, false},
        {"GI_Sheet_UserTone", M::AnyPmr, false},
        {"GI_Sheet_Msk_AdrRange", M::BiisPmr, false},
        {"GI_Sheet_Msk_IdGroup", M::BiisPmr, false},
        {"GI_Sheet_Msk_CallList", M::BiisPmr, false},
        {"GI_Sheet_Msk_Status", M::BiisPmr, false},
        {"GI_Sheet_Msk_ShortTxt", M::BiisPmr, false},
        {"GI_Sheet_Msk_TimingErr", M::BiisPmr, false},
        {"GI_Sheet_Msk_Cfg", M::BiisPmr, false},
        {"GI_Sheet_Scrambler", M::All, false},
        {"GI_Sheet_Extended", M::All, false},
        {"GI_Sheet_UserChar", M::All, false},
        {"GI_Sheet_Maker", M::All, true},
    };
    return sheets;
}

std::vector<cmcCellObj> SettingSheetCells(cmcGTex& texts, const cmcEeprom& image, int modelType) {
    std::vector<cmcCellObj> cells;
    for (const SettingSheet& s : SettingSheets()) {
        if ((s.models & (1 << modelType)) == 0) {
            continue;
        }
        cuiSheetEnv env;
        env.texts = &texts;
        env.image = &image;
        env.modelType = modelType;
        auto sheet = SheetFactory::CreateSheet(s.reference, env);
        sheet->Build();
        for (int r = 0; r < sheet->Rows(); ++r) {
            for (int c = 0; c < sheet->Columns(); ++c) {
                if (sheet->Cell(r, c).item != kNoCellItem) {
                    cells.push_back(sheet->Cell(r, c));
                }
            }
        }
    }
    return cells;
}
