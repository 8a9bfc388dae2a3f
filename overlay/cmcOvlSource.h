#pragma once
// The source of an overlay: a file read by byte offset (CR LF read as LF), or
// an array of lines held by the caller, read by line index. Lines are
// delivered with their line end; a line longer than kMaxLinePiece characters
// comes in pieces of that length, each counting as one line.

#include <cstdint>
#include <string>
#include <vector>

class cmcOvlSource {
  public:
    enum class Kind { None, File, Lines };
    static constexpr size_t kMaxLinePiece = 8191;

    cmcOvlSource() = default;
    ~cmcOvlSource();
    cmcOvlSource(const cmcOvlSource&) = delete;
    cmcOvlSource& operator=(const cmcOvlSource&) = delete;

    // The first source set wins; later calls return false.
    bool SetFile(const std::string& name);
    bool SetLines(const std::vector<std::string>* lines);
    Kind GetKind() const { return kind_; }
    // The file's name as set; the system's error number of a failed open (0 otherwise).
    const std::string& FileName() const { return fileName_; }
    int OpenError() const { return openError_; }

    // Opens the source (a file with an empty name does not open).
    bool Open();
    bool IsOpen() const;

    bool Seek(int64_t position);
    int64_t Position() const { return position_; }
    // Reads the line at the position into line (line end included when the
    // line has one) and advances; false at the end of the source.
    bool ReadLine(std::string& line);

    // Bytes read from the file so far.
    uint64_t BytesRead() const { return bytesRead_; }

  private:
    bool ReadFileLine(std::string& line);
    // The byte at offset, or -1 past the end of the file.
    int ByteAt(int64_t offset);

    Kind kind_ = Kind::None;
    std::string fileName_;
    int fd_ = -1;
    int openError_ = 0;
    const std::vector<std::string>* lines_ = nullptr;
    int64_t position_ = 0;

    static constexpr size_t kBlockSize = 4096;
    std::vector<char> block_ = std::vector<char>(kBlockSize);
    int64_t blockStart_ = 0;
    int64_t blockLength_ = 0;
    uint64_t bytesRead_ = 0;
};

// Ends the text at its first line end.
void CutLineEnd(std::string& line);
