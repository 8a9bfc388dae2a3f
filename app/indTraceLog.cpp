#include "indTraceLog.h"

#include "SafeFile.h"

void indTraceLog::TraceLine(const std::string& line) {
    if (lines_.size() >= Capacity) {
        lines_.pop_front();
        ++dropped_;
    }
    lines_.push_back(line);
    if (listener_) {
        listener_(line);
    }
}

void indTraceLog::Clear() {
    std::deque<std::string>().swap(lines_);
    dropped_ = 0;
}

bool indTraceLog::Save(const std::string& path, int& error) const {
    std::string text = std::string(Trace::TraceHeader) + "\n";
    for (const std::string& line : lines_) {
        text += line;
        text += '\n';
    }
    error = 0;
    return SafeFile::WriteFileReplacing(path, text, &error) == cmcSafeFileResult::Ok;
}
