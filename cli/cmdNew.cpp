// new --model lmr|pmr|biis -o FILE: the model type's template, saved as FILE.

#include <cstdio>
#include <map>

#include "ModelType.h"
#include "cliCommand.h"
#include "indDocument.h"

int CmdNew(const cliArgs& args) {
    static const std::map<std::string, int> kModels = {
        {"lmr", ModelLmr}, {"pmr", ModelPmr}, {"biis", ModelBiisPmr}};
    const auto model = kModels.find(args.Option("--model"));
    if (model == kModels.end()) {
        std::fprintf(stderr, "orvane-cli: --model must be lmr, pmr or biis\n");
        return ExitUsage;
    }
    indDocument doc;
    doc.Start();
    doc.ChangeModelType(model->second, false);
    doc.NewFile();
    return doc.SaveToFile(args.Option("-o")) ? 0 : 1;
}
