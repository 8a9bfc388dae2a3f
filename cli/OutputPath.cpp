#include "OutputPath.h"

#include <cstdio>

#include "Path.h"

namespace OutputPath {

bool OutputSparesInputs(const char* command, const std::string& out,
                        std::initializer_list<std::string> inputs) {
    for (const std::string& input : inputs) {
        if (Path::PathsNameSameFile(out, input)) {
            std::fprintf(stderr,
                         "orvane-cli %s: the output '%s' is the input '%s'; choose another "
                         "output file (nothing was written)\n",
                         command, out.c_str(), input.c_str());
            return false;
        }
    }
    return true;
}

}  // namespace OutputPath
