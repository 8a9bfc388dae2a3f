// info FILE: what the file holds, one "name: value" line each.

#include <cstdio>

#include "ChBanks.h"
#include "CloneFileComment.h"
#include "cliCommand.h"
#include "indDocument.h"

namespace {

constexpr const char* kModelNames[] = {"Lmr", "Pmr", "BiisPmr"};
constexpr int kBanks = 16;

}  // namespace

int CmdInfo(const cliArgs& args) {
    indDocument doc;
    doc.Start();
    const int code = doc.OpenFile(args.positional[0]);
    if (code != ClfOk) {
        return ExitStatus::ForCloneFile(code);
    }
    const cmcEeprom& image = doc.WorkingImage();
    std::printf("model: %s\n", kModelNames[doc.ModelType()]);
    std::printf("map revision: %d\n", image.GetByte(MemoryMap::AdrMapRevision));
    std::printf("comment: %s\n", CloneFileComment::BuildClfComment(image).c_str());
    std::printf("channels: %d/%d\n", UsedTotal(image), TotalChannels(image));
    std::printf("banks:");
    for (int bank = 0; bank < kBanks; ++bank) {
        std::printf(" %d", BankCount(image, bank));
    }
    std::printf("\n");
    return ExitStatus::Ok;
}
