// The edit command's words of any text (one a line) after a clone file and an
// output (a further -o is not tried: it would write anywhere): an edit ends with a known status,
// and the output file exists only when the command reports success.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "ModelType.h"
#include "cliCommand.h"
#include "indDocument.h"

extern "C" int LLVMFuzzerInitialize(int*, char*** argv) {
    FuzzSetUp((*argv)[0]);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string out = FuzzScratchDirectory() + "edited.clf";
    unlink(out.c_str());
    cliArgs args;
    args.words = {indDocument::InitialFilePath(ModelLmr), "-o", out};
    for (const std::string& word : FuzzLines(FuzzText(data, size))) {
        if (word == "-o") {
            return 0;  // the output stays in the scratch directory
        }
        args.words.push_back(word);
    }
    const int status = CmdEdit(args);
    FuzzExpect(status == 0 || status == 1 || status == 2 || status == ExitUsage,
               "edit status in range");
    FuzzExpect((access(out.c_str(), F_OK) == 0) == (status == 0),
               "the output is written exactly when the edit succeeds");
    return 0;
}
