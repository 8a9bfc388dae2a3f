#include "cmcOvlSource.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

cmcOvlSource::~cmcOvlSource() {
    if (fd_ >= 0) {
        close(fd_);
    }
}

bool cmcOvlSource::SetFile(const std::string& name) {
    if (kind_ != Kind::None) {
        return false;
    }
    kind_ = Kind::File;
    fileName_ = name;
    return true;
}

bool cmcOvlSource::SetLines(const std::vector<std::string>* lines) {
    if (kind_ != Kind::None || lines == nullptr) {
        return false;
    }
    kind_ = Kind::Lines;
    lines_ = lines;
    return true;
}

bool cmcOvlSource::Open() {
    if (kind_ == Kind::File && fd_ < 0 && !fileName_.empty()) {
        fd_ = open(fileName_.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        openError_ = fd_ < 0 ? errno : 0;
        struct stat st {};
        if (fd_ >= 0 && (fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode))) {
            openError_ = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;  // a folder, device or FIFO
            close(fd_);
            fd_ = -1;
        }
        position_ = 0;
    }
    return IsOpen();
}

bool cmcOvlSource::IsOpen() const {
    return kind_ == Kind::File ? fd_ >= 0 : kind_ == Kind::Lines;
}

bool cmcOvlSource::Seek(int64_t position) {
    if (!IsOpen() || position < 0) {
        return false;
    }
    position_ = position;
    return true;
}

bool cmcOvlSource::ReadLine(std::string& line) {
    line.clear();
    if (kind_ == Kind::File) {
        return fd_ >= 0 && ReadFileLine(line);
    }
    if (kind_ != Kind::Lines || position_ < 0 ||
        static_cast<uint64_t>(position_) >= lines_->size()) {
        return false;
    }
    const std::string& stored = (*lines_)[static_cast<size_t>(position_)];
    line.assign(stored, 0, std::min(stored.size(), kMaxLinePiece));
    line += '\n';
    ++position_;
    return true;
}

int cmcOvlSource::ByteAt(int64_t offset) {
    if (offset < blockStart_ || offset >= blockStart_ + blockLength_) {
        const ssize_t n = pread(fd_, block_.data(), block_.size(), static_cast<off_t>(offset));
        blockStart_ = offset;
        blockLength_ = n > 0 ? n : 0;
        bytesRead_ += static_cast<uint64_t>(blockLength_);
        if (blockLength_ == 0) {
            return -1;
        }
    }
    return static_cast<unsigned char>(block_[static_cast<size_t>(offset - blockStart_)]);
}

bool cmcOvlSource::ReadFileLine(std::string& line) {
    int64_t p = position_;
    // Takes a line end at p (LF or CR LF); returns false when there is none.
    auto takeLineEnd = [this, &p, &line]() {
        const int c = ByteAt(p);
        const int skip = c == '\n' ? 1 : (c == '\r' && ByteAt(p + 1) == '\n') ? 2 : 0;
        if (skip == 0) {
            return false;
        }
        p += skip;
        line += '\n';
        return true;
    };
    while (line.size() < kMaxLinePiece) {
        if (takeLineEnd()) {
            position_ = p;
            return true;
        }
        const int c = ByteAt(p);
        if (c < 0) {
            break;
        }
        line += static_cast<char>(c);
        ++p;
    }
    if (line.empty()) {
        return false;
    }
    // A full piece takes the line end that directly follows it, so that a
    // line of exactly the piece length stays one line.
    takeLineEnd();
    position_ = p;
    return true;
}

void CutLineEnd(std::string& line) {
    const auto end = line.find('\n');
    if (end != std::string::npos) {
        line.resize(end);
    }
}
