// new --model lmr|pmr|biis -o FILE: the model type's template, saved as FILE.

#include <cstdio>
#include <map>

#include "ModelType.h"
#include "OutputPath.h"
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
    // The template the new image is made from is an input too.
    if (!OutputPath::OutputSparesInputs("new", args.Option("-o"),
                                        {indDocument::InitialFilePath(model->second)})) {
        return ExitUsage;
    }
    indDocument doc;
    doc.Start();
    doc.ChangeModelType(model->second, false);
    doc.NewFile();
    return doc.SaveToFile(args.Option("-o")) ? ExitStatus::Ok : ExitStatus::FileFailed;
}
