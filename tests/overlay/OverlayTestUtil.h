#pragma once
// Helpers for the overlay tests: text tables over lines or temporary files.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cmcGTex.h"
#include "cmcInternalErrorBox.h"
#include "cmcThrowingErrorBox.h"

// A text table over lines that it keeps alive itself.
class LinesTable {
  public:
    explicit LinesTable(std::vector<std::string> lines) : lines_(std::move(lines)) {
        table_.SetLines(&lines_);
    }
    cmcGTex& operator*() { return table_; }
    cmcGTex* operator->() { return &table_; }
    cmcGTex* get() { return &table_; }

  private:
    std::vector<std::string> lines_;
    cmcGTex table_;
};

// A temporary file with the given bytes, removed at the end of the test.
class TempFile {
  public:
    explicit TempFile(const std::string& bytes) {
        char name[] = "/tmp/ovltestXXXXXX";
        const int fd = mkstemp(name);
        EXPECT_GE(fd, 0);
        path_ = name;
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        EXPECT_EQ(written, static_cast<ssize_t>(bytes.size()));
        close(fd);
    }
    ~TempFile() { std::remove(path_.c_str()); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

// The text of the internal error that fn raises, or "" when it raises none.
template <class Fn>
std::string InternalErrorOf(Fn&& fn) {
    cmcScopedThrowingErrorBox box;
    try {
        fn();
    } catch (const cmcInternalErrorException& e) {
        return e.what();
    }
    return "";
}
