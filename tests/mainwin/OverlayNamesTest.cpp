// Every overlay name the program looks up by a literal "GI_..." in its sources
// exists in data/ORVANE.OVL, so that no menu, message or window can end the
// program with a missing-index error. A name used as the base of a menu, tool
// bar, tree or sheet exists with one of its suffixes.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "cmcGTex.h"

namespace {

namespace fs = std::filesystem;

std::set<std::string> LiteralNames(const std::vector<std::string>& folders) {
    const std::regex literal(R"re("(GI_[A-Za-z0-9_]*)([^"]*)")re");
    std::set<std::string> names;
    for (const std::string& folder : folders) {
        for (const auto& entry :
             fs::recursive_directory_iterator(fs::path(ORVANE_SOURCE_DIR) / folder)) {
            const std::string ext = entry.path().extension().string();
            if (ext != ".cpp" && ext != ".h") {
                continue;
            }
            std::ifstream in(entry.path());
            std::stringstream text;
            text << in.rdbuf();
            const std::string source = text.str();
            for (auto it = std::sregex_iterator(source.begin(), source.end(), literal);
                 it != std::sregex_iterator(); ++it) {
                const std::string name = (*it)[1];
                // Formats ("GI_Sheet_Mch_%s") and prefixes ("GI_Mess_") are made into names
                // elsewhere.
                if ((*it)[2].length() == 0 && name.back() != '_') {
                    names.insert(name);
                }
            }
        }
    }
    return names;
}

TEST(OverlayNames, EveryNameTheProgramLooksUpExists) {
    const std::set<std::string> names = LiteralNames({"app", "model", "link", "clonefile", "ui"});
    ASSERT_GT(names.size(), 20u);
    // Tree node references that name no section of their own.
    const std::set<std::string> references = {"GI_Sheet_Memory_CH_Top"};
    for (const std::string& name : names) {
        bool found = references.count(name) != 0;
        for (const char* suffix : {"", "_Body", "_Cells", "_BasicCell"}) {
            found = found || GTex().HasSection(name + suffix);
        }
        EXPECT_TRUE(found) << name;
    }
}

}  // namespace
