// Runs a fuzz target over files instead of under libFuzzer, so that the
// normal build replays every seed corpus as a regression test:
//   NAME_fuzz [-timeout=SECONDS] FILE_OR_DIRECTORY...
// Each input gets its own time limit; the run stops at the first failure.

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

void OnTimeOut(int) {
    const char text[] = "time-out on one input\n";
    (void)!write(2, text, sizeof text - 1);
    _exit(70);
}

std::vector<std::filesystem::path> Inputs(int argc, char** argv, unsigned& seconds) {
    std::vector<std::filesystem::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.starts_with("-timeout=")) {
            seconds = static_cast<unsigned>(std::atoi(arg.c_str() + 9));
        } else if (std::filesystem::is_directory(arg)) {
            for (const auto& entry : std::filesystem::directory_iterator(arg)) {
                if (entry.is_regular_file()) {
                    inputs.push_back(entry.path());
                }
            }
        } else {
            inputs.emplace_back(arg);
        }
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

}  // namespace

int main(int argc, char** argv) {
    LLVMFuzzerInitialize(&argc, &argv);
    unsigned seconds = 25;
    const std::vector<std::filesystem::path> inputs = Inputs(argc, argv, seconds);
    if (inputs.empty()) {
        std::fprintf(stderr, "%s: no inputs\n", argv[0]);
        return 2;
    }
    signal(SIGALRM, OnTimeOut);
    for (const auto& path : inputs) {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "cannot read %s\n", path.c_str());
            return 2;
        }
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
        std::fprintf(stderr, "%s\n", path.c_str());
        alarm(seconds);
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
        alarm(0);
    }
    std::fprintf(stderr, "%zu inputs passed\n", inputs.size());
    return 0;
}
