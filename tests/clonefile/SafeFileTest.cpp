// The atomic writer: links followed (also dangling ones), temporaries of ended
// saves removed, and a file-size limit that fails the save instead of ending
// the program.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "ClfTestSupport.h"
#include "SafeFile.h"

namespace {

namespace fs = std::filesystem;

// The id of a process that has ended and been reaped.
long EndedProcessId() {
    const pid_t child = fork();
    if (child == 0) {
        _exit(0);
    }
    waitpid(child, nullptr, 0);
    return child;
}

TEST(SafeFileTest, SymbolicLinksStayAndTheFileTheyNameIsWritten) {
    ScratchDir dir;
    fs::create_directory(dir.File("sub"));
    WriteWholeFile(dir.File("sub/old.csv"), "old");
    fs::create_symlink("loop-b", dir.File("loop-a"));
    fs::create_symlink("loop-a", dir.File("loop-b"));
    const struct {
        const char* link;
        std::string linkTarget;  // as stored in the link
        std::string written;     // the file that must receive the contents
        cmcSafeFileResult result;
    } cases[] = {
        {"existing", "sub/old.csv", "sub/old.csv", cmcSafeFileResult::Ok},
        {"dangling-relative", "sub/new.csv", "sub/new.csv", cmcSafeFileResult::Ok},
        {"dangling-absolute", dir.File("sub/abs.csv"), "sub/abs.csv", cmcSafeFileResult::Ok},
        {"chain", "dangling-relative", "sub/new.csv", cmcSafeFileResult::Ok},
        {"into-missing-folder", "nowhere/x.csv", "", cmcSafeFileResult::OpenFailed},
        {"loop-a", "", "", cmcSafeFileResult::OpenFailed},
    };
    for (const auto& c : cases) {
        const std::string link = dir.File(c.link);
        if (!c.linkTarget.empty()) {
            fs::create_symlink(c.linkTarget, link);
        }
        int error = 0;
        EXPECT_EQ(SafeFile::WriteFileReplacing(link, std::string("new ") + c.link, &error),
                  c.result)
            << c.link;
        EXPECT_TRUE(fs::is_symlink(link)) << c.link;
        if (c.result == cmcSafeFileResult::Ok) {
            EXPECT_EQ(ReadWholeFile(dir.File(c.written)), std::string("new ") + c.link);
        } else {
            EXPECT_NE(error, 0) << c.link;
        }
    }
}

TEST(SafeFileTest, TemporariesOfEndedSavesAreRemovedOthersKept) {
    ScratchDir dir;
    const std::string target = dir.File("a.clf");
    const std::string stale = SafeFile::TemporaryFileStem(target, EndedProcessId()) + "0";
    const std::string live = SafeFile::TemporaryFileStem(target, getppid()) + "3";
    const std::string otherTarget =
        SafeFile::TemporaryFileStem(dir.File("b.clf"), EndedProcessId()) + "0";
    const std::string notTemporary = dir.File(".a.clf.tmp12x_0");
    for (const std::string* path : {&stale, &live, &otherTarget, &notTemporary}) {
        WriteWholeFile(*path, "left over");
    }
    ASSERT_EQ(SafeFile::WriteFileReplacing(target, "saved"), cmcSafeFileResult::Ok);
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(live));
    EXPECT_TRUE(fs::exists(otherTarget));
    EXPECT_TRUE(fs::exists(notTemporary));
    EXPECT_EQ(ReadWholeFile(target), "saved");
}

// In a child process with the signal's default action: before the save
// ignored the signal, the limit ended the process mid-save.
TEST(SafeFileTest, FileSizeLimitFailsTheSaveInsteadOfEndingTheProgram) {
    ScratchDir dir;
    const std::string target = dir.File("keep.csv");
    WriteWholeFile(target, "previous");
    const pid_t child = fork();
    if (child == 0) {
        signal(SIGXFSZ, SIG_DFL);
        const struct rlimit small = {1000, 1000};
        setrlimit(RLIMIT_FSIZE, &small);
        int error = 0;
        const auto result = SafeFile::WriteFileReplacing(target, std::string(5000, 'x'), &error);
        _exit(result == cmcSafeFileResult::WriteFailed && error == EFBIG ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadWholeFile(target), "previous");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);
}

}  // namespace
