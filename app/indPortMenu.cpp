#include "indPortMenu.h"

#include "cmcClock.h"
#include "indEnviron.h"

const indSerialPort* indPortMenu::At(int index) {
    const uint32_t now = CurrentClock().NowMs();
    if (!listed_ || now - listedAt_ >= FreshMs) {
        ports_ = SerialPorts::ListSerialPorts(root_);
        listed_ = true;
        listedAt_ = now;
    }
    return index >= 0 && index < static_cast<int>(ports_.size())
               ? &ports_[static_cast<size_t>(index)]
               : nullptr;
}

std::string indPortMenu::Caption(int index) {
    const indSerialPort* port = At(index);
    if (port == nullptr) {
        return {};
    }
    std::string caption;
    for (char c : port->Label()) {
        caption += c == '&' ? "&&" : std::string(1, c);
    }
    return caption;
}

bool indPortMenu::Chosen(int index) {
    const indSerialPort* port = At(index);
    return port != nullptr && environ_.ComDevice() == port->path;
}

bool indPortMenu::Choose(int index) {
    const indSerialPort* port = At(index);
    if (port == nullptr) {
        return false;
    }
    environ_.SetComDevice(port->path);
    return true;
}

bool indPortMenu::Numbered() const {
    return environ_.ComDevice().empty() || environ_.ComDevice().find("%d") != std::string::npos;
}

void indPortMenu::SetComPort(int port) {
    if (!Numbered()) {
        environ_.SetComDevice(indEnviron::DefaultComDevice);
    }
    environ_.SetComPort(port);
}
