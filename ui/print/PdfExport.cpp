#include "PdfExport.h"

#include <cstdio>
#include <cstring>

#include "Path.h"
#include "PrintTargets.h"
#include "SheetName.h"
#include "cmcGTex.h"
#include "cuiTree.h"
#include "indDocument.h"
#include "indDocumentContext.h"
#include "indPrintJob.h"

namespace PdfExport {

namespace {

constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

struct Args {
    std::string output;
    std::string sheet;
    bool all = false;
    std::string file;
};

int Usage(const char* problem) {
    std::fprintf(stderr,
                 "orvane: %s\nusage: orvane --export-pdf OUT.pdf [--sheet REF | --all] FILE\n",
                 problem);
    return ExitUsage;
}

}  // namespace

bool Requested(int argc, char** argv) {
    return argc > 1 && std::strcmp(argv[1], Option) == 0;
}

int Run(const std::vector<std::string>& words) {
    Args args;
    if (words.size() < 3 || words[2].empty()) {
        return Usage("--export-pdf needs the name of the PDF file");
    }
    args.output = words[2];
    for (size_t i = 3; i < words.size(); ++i) {
        if (words[i] == "--all") {
            args.all = true;
        } else if (words[i] == "--sheet") {
            if (i + 1 >= words.size() || words[i + 1].empty()) {
                return Usage("--sheet needs a sheet reference or caption");
            }
            args.sheet = words[++i];
        } else if (words[i].starts_with("--")) {
            return Usage(("unknown option " + words[i]).c_str());
        } else if (args.file.empty()) {
            args.file = words[i];
        } else {
            return Usage("only one clone file can be exported");
        }
    }
    if (args.file.empty()) {
        return Usage("the clone file to print is missing");
    }
    if (args.all && !args.sheet.empty()) {
        return Usage("--sheet and --all exclude each other");
    }
    if (Path::PathsNameSameFile(args.output, args.file)) {
        return Usage("the PDF file must not be the clone file");
    }

    cmcGTex& texts = GTex();
    indDocument document;
    document.Start();
    if (document.OpenFile(args.file) != 0) {
        return ExitFailed;  // the reader's message is on stderr
    }
    indCommands noCommands;
    indDocumentContext context(document, noCommands, texts);
    cuiTree tree(texts);
    tree.Build();
    tree.AdaptToModel(document.ModelType(), false);

    std::vector<std::string> references;
    if (!args.sheet.empty()) {
        // Named as on the command line: a reference, a tree caption or a path.
        const cuiSheetLookup lookup =
            SheetName::ResolveSheetName(texts, document.ModelType(), args.sheet);
        if (lookup.result != cuiSheetNameResult::Found) {
            std::fprintf(stderr, "orvane: %s\n", lookup.message.c_str());
            return ExitUsage;
        }
        references.push_back(lookup.reference);
    } else {
        references = PrintAllReferences(tree, texts);
    }
    indPrintJob job(PrintTargets::MakePdfFileTarget(args.output, context), references);
    job.RunToEnd();
    switch (job.End()) {
        case cuiPrintEnd::Done:
            std::printf("%s: %d pages\n", args.output.c_str(), job.Pages());
            return 0;
        case cuiPrintEnd::NothingPrinted:
            std::fprintf(stderr, "orvane: %s\n",
                         texts.GetText("GI_Sys_Printer_NothingPrinted", 0).c_str());
            return ExitFailed;
        case cuiPrintEnd::WriteFailed:
            break;
    }
    std::fprintf(stderr, "orvane: %s: %s\n", args.output.c_str(),
                 texts.GetText("GI_Sys_Printer_WriteFailed", 0).c_str());
    return ExitFailed;
}

}  // namespace PdfExport
