#include "SerialPorts.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <system_error>

namespace fs = std::filesystem;

namespace SerialPorts {

namespace {

constexpr const char* kPrefixes[] = {"ttyUSB", "ttyACM", "ttyS"};
constexpr char kPlaceholderDriver[] = "serial8250";

bool Listed(const std::string& name) {
    for (const char* prefix : kPrefixes) {
        const std::string p = prefix;
        if (name.size() > p.size() && name.compare(0, p.size(), p) == 0 &&
            std::all_of(name.begin() + static_cast<long>(p.size()), name.end(),
                        [](char c) { return std::isdigit(static_cast<unsigned char>(c)); })) {
            return true;
        }
    }
    return false;
}

// The first line of a file, without trailing blanks; "" when unreadable.
std::string FirstLine(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back()))) {
        line.pop_back();
    }
    return line;
}

bool HasUart(const fs::path& tty) {
    std::error_code ec;
    if (fs::exists(tty / "type", ec)) {
        const std::string type = FirstLine(tty / "type");
        return !type.empty() && type != "0";
    }
    const fs::path driver = fs::canonical(tty / "device" / "driver", ec);
    return !ec && driver.filename() != kPlaceholderDriver;
}

// Maker and product of the USB device above the tty's device in sysfs.
void ReadUsbNames(const fs::path& tty, indSerialPort& port) {
    std::error_code ec;
    fs::path dir = fs::canonical(tty / "device", ec);
    for (int up = 0; !ec && up < 4 && !dir.empty() && dir != dir.root_path();
         ++up, dir = dir.parent_path()) {
        if (fs::exists(dir / "idVendor", ec)) {
            port.maker = FirstLine(dir / "manufacturer");
            port.product = FirstLine(dir / "product");
            return;
        }
    }
}

// Kernel name -> "/dev/serial/by-id/..." for each by-id link under root.
std::map<std::string, std::string> ByIdLinks(const fs::path& root) {
    std::map<std::string, std::string> links;
    std::error_code ec;
    const fs::path dir = root / "dev/serial/by-id";
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code target;
        const fs::path resolved = fs::canonical(it->path(), target);
        if (!target) {
            const std::string name = it->path().filename().string();
            links.emplace(resolved.filename().string(), "/dev/serial/by-id/" + name);
        }
    }
    return links;
}

// Prefix, then the number: ttyUSB2 before ttyUSB10.
bool Before(const indSerialPort& a, const indSerialPort& b) {
    auto split = [](const std::string& n) {
        const auto digits = n.find_first_of("0123456789");
        return std::make_pair(n.substr(0, digits), std::stol(n.substr(digits)));
    };
    return split(a.name) < split(b.name);
}

}  // namespace

}  // namespace SerialPorts

std::string indSerialPort::Label() const {
    std::string label = "/dev/" + name;
    const std::string names = maker + (maker.empty() || product.empty() ? "" : " ") + product;
    return names.empty() ? label : label + " - " + names;
}

namespace SerialPorts {

std::vector<indSerialPort> ListSerialPorts(const std::string& root) {
    const fs::path base(root.empty() ? "/" : root);
    const std::map<std::string, std::string> byId = ByIdLinks(base);
    std::vector<indSerialPort> ports;
    std::error_code ec;
    for (fs::directory_iterator it(base / "sys/class/tty", ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code present;
        if (!Listed(name) || !fs::exists(base / "dev" / name, present)) {
            continue;
        }
        if (name.compare(0, 4, "ttyS") == 0 && !HasUart(it->path())) {
            continue;
        }
        indSerialPort port;
        port.name = name;
        const auto link = byId.find(name);
        port.path = link != byId.end() ? link->second : "/dev/" + name;
        ReadUsbNames(it->path(), port);
        ports.push_back(std::move(port));
    }
    std::sort(ports.begin(), ports.end(), Before);
    return ports;
}

}  // namespace SerialPorts
