#include "ClfLineSource.h"

int ClfLineSource::Raw() {
    if (rawAhead_ != None) {
        const int c = rawAhead_;
        rawAhead_ = None;
        return c;
    }
    if (pos_ >= text_.size()) {
        return -1;
    }
    return static_cast<unsigned char>(text_[pos_++]);
}

int ClfLineSource::Get() {
    if (ahead_ != None) {
        const int c = ahead_;
        ahead_ = None;
        return c;
    }
    const int c = Raw();
    if (c == '\r') {
        const int next = Raw();
        if (next == '\n') {
            return '\n';
        }
        rawAhead_ = next;
    }
    return c;
}

bool ClfLineSource::NextLine(std::string& line) {
    line.clear();
    int c = Get();
    if (c < 0) {
        return false;
    }
    if (atLineStart_) {
        ++lineNumber_;
    }
    atLineStart_ = true;
    while (c >= 0 && c != '\n') {
        line.push_back(static_cast<char>(c));
        if (line.size() == MaxPiece) {
            // The rest of the line comes as the next piece; a line end right
            // after a full piece still belongs to this one.
            const int next = Get();
            if (next != '\n') {
                ahead_ = next;
                atLineStart_ = next < 0;
            }
            break;
        }
        c = Get();
    }
    return true;
}
