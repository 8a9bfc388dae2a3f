#include "cmcSerialDouble.h"

#include <algorithm>

bool cmcSerialDouble::Open(const std::string& path) {
    if (open_ || failOpen) {
        return false;
    }
    open_ = true;
    hungUp_ = false;
    openedPaths.push_back(path);
    return true;
}

bool cmcSerialDouble::Configure(const cmcLineSettings& settings) {
    if (!open_ || failConfigure) {
        return false;
    }
    line_ = settings;
    configured.push_back(settings);
    return true;
}

void cmcSerialDouble::Close() {
    if (open_) {
        open_ = false;
        ++closes;
    }
}

int cmcSerialDouble::Read(uint8_t* buffer, int maximum) {
    if (!open_ || hungUp_) {
        return -1;
    }
    const int n = std::min<int>(maximum, static_cast<int>(incoming_.size()));
    std::copy_n(incoming_.begin(), n, buffer);
    incoming_.erase(incoming_.begin(), incoming_.begin() + n);
    return n;
}

int cmcSerialDouble::Write(const uint8_t* bytes, int length) {
    if (!open_ || hungUp_ || failWrites) {
        return -1;
    }
    const int n = acceptPerWrite < 0 ? length : std::min(length, acceptPerWrite);
    written.insert(written.end(), bytes, bytes + n);
    if (n > 0 && onWrite) {
        onWrite(bytes, n);
    }
    return n;
}

int cmcSerialDouble::InputCount() {
    return open_ && !hungUp_ ? static_cast<int>(incoming_.size()) : 0;
}

void cmcSerialDouble::Purge() {
    if (open_) {
        incoming_.clear();
        ++purges;
    }
}

void cmcSerialDouble::Feed(const std::vector<uint8_t>& bytes) {
    incoming_.insert(incoming_.end(), bytes.begin(), bytes.end());
}

void cmcSerialDouble::Feed(const uint8_t* bytes, int length) {
    incoming_.insert(incoming_.end(), bytes, bytes + length);
}
