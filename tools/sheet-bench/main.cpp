// sheet-bench [ROUNDS]: how long start-up, building the sheets and painting
// their cells take for a full image (256 channels in use) of each model type.
// Start-up is measured once per process (the overlay is read lazily, once).

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "BankSheets.h"
#include "FullImage.h"
#include "ModelType.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcInternalErrorBox.h"
#include "cmcMessageBoxHost.h"
#include "cmcScriptedMessageBox.h"
#include "cuiTree.h"
#include "datCh.h"
#include "indDocument.h"
#include "indDocumentContext.h"

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

class NoCommands : public indCommands {};

}  // namespace

int main(int argc, char** argv) {
    SetProgramPath(argv[0]);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    cmcScriptedMessageBox boxes;
    SetCurrentMessageBoxHost(&boxes);

    const Clock::time_point startUp = Clock::now();
    indDocument doc;
    doc.Start();  // first overlay lookups and the template file
    std::printf("start-up (overlay texts, template file, images): %.2f ms\n", MsSince(startUp));

    for (int model = 0; model < ModelTypeCount; ++model) {
        boxes.Answer(cmcMbResult::Ok);
        doc.ChangeModelType(model, true);
        FillAllChannels(doc.WorkingImage(), model);
        NoCommands commands;
        indDocumentContext ctx(doc, commands, GTex());
        cuiTree tree(ctx.Texts());
        tree.Build();
        tree.AdaptToModel(model, true);
        const std::vector<cuiTree::Sheet> sheets = tree.Sheets();
        double build = 0, paint = 0;
        long cells = 0;
        for (int round = 0; round < rounds; ++round) {
            for (const cuiTree::Sheet& entry : sheets) {
                Clock::time_point t = Clock::now();
                std::unique_ptr<cuiSheet> sheet = ctx.MakeSheet(entry.reference);
                build += MsSince(t);
                t = Clock::now();
                for (int r = 0; r < sheet->Rows(); ++r) {
                    for (int c = 0; c < sheet->Columns(); ++c) {
                        indCellCapsule capsule;
                        sheet->PrepareCapsule(capsule, r, c);
                        ctx.Handler().HandleCell(capsule);
                        ++cells;
                    }
                }
                paint += MsSince(t);
                sheet.reset();
                EvMan().Pump();
            }
        }
        std::printf(
            "%s: %zu sheets; build all %.2f ms, paint all %.2f ms (%ld cells, %.2f us a cell)\n",
            BankSheets::Word(model), sheets.size(), build / rounds, paint / rounds, cells / rounds,
            1000.0 * paint / static_cast<double>(cells));
    }
    SetCurrentMessageBoxHost(nullptr);
    return 0;
}
