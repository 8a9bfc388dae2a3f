#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "DataDirectory.h"

namespace fs = std::filesystem;

namespace {

// A scratch install tree: ROOT/bin/ (the program's folder) and ROOT/share/orvane/.
class DataDirectoryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("orvane-datadir-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root / "bin");
        fs::create_directories(root / "share" / "orvane");
    }
    void TearDown() override { fs::remove_all(root); }

    void PutMarker(const std::string& folder) {
        std::ofstream(root / folder / DataDirectory::DataMarkerFile) << "#X\n";
    }
    std::string Folder(const std::string& relative) const {
        return (root / relative).string() + "/";
    }

    fs::path root;
};

TEST_F(DataDirectoryTest, ProgramFolderFirstThenShareFolder) {
    struct Case {
        std::vector<std::string> markers;
        std::string found;  // relative to the root, "" for none
    };
    const Case cases[] = {
        {{"bin", "share/orvane"}, "bin"},
        {{"share/orvane"}, "share/orvane"},
        {{"bin"}, "bin"},
        {{}, ""},
    };
    for (const Case& c : cases) {
        SetUp();
        for (const std::string& folder : c.markers) {
            PutMarker(folder);
        }
        for (const std::string& program : {Folder("bin"), (root / "bin").string()}) {
            const cmcDataLookup lookup = DataDirectory::FindDataDirectory(program);
            EXPECT_EQ(lookup.directory, c.found.empty() ? "" : Folder(c.found)) << program;
            EXPECT_EQ(lookup.searched,
                      (std::vector<std::string>{Folder("bin"), Folder("share/orvane")}));
        }
    }
}

TEST_F(DataDirectoryTest, MissingFolderMessageNamesBothPlaces) {
    fs::create_directories(root / "bin" / DataDirectory::DataMarkerFile);  // a folder, not the file
    const cmcDataLookup lookup = DataDirectory::FindDataDirectory(Folder("bin"));
    EXPECT_EQ(lookup.directory, "");
    EXPECT_EQ(lookup.Message(), "The data folder was not found: no 'ORVANE.OVL' in '" +
                                    Folder("bin") + "' or in '" + Folder("share/orvane") +
                                    "'. Reinstall the program or copy its data files into one of "
                                    "these folders.");
}

}  // namespace
