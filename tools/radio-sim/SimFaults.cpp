#include "SimFaults.h"

#include <cstdlib>

namespace {

// N of "name=N": a whole number of at least 1; false otherwise.
bool CountOf(const std::string& value, int& n) {
    if (value.empty() || value.size() > 6 ||
        value.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    n = std::atoi(value.c_str());
    return n >= 1;
}

struct Flag {
    const char* name;
    bool SimFaults::*member;
};

constexpr Flag kFlags[] = {
    {"silent", &SimFaults::silent},
    {"lowercase", &SimFaults::lowercase},
    {"stop-early", &SimFaults::stopEarly},
    {"outside", &SimFaults::outside},
    {"short-info", &SimFaults::shortInfo},
    {"non-bcd", &SimFaults::nonBcd},
    {"refuse-write", &SimFaults::refuseWrite},
    {"noise", &SimFaults::noise},
    {"corrupt-store", &SimFaults::corruptStore},
};

struct Counted {
    const char* name;
    int SimFaults::*member;
};

constexpr Counted kCounted[] = {
    {"bad-checksum", &SimFaults::badChecksum},
    {"hangup", &SimFaults::hangup},
    {"stall-write", &SimFaults::stallWrite},
};

}  // namespace

bool AddFault(const std::string& kind, SimFaults& faults, std::string& error) {
    for (const Flag& f : kFlags) {
        if (kind == f.name) {
            faults.*f.member = true;
            return true;
        }
    }
    const std::string::size_type eq = kind.find('=');
    const std::string name = kind.substr(0, eq);
    for (const Counted& c : kCounted) {
        if (name == c.name) {
            if (eq == std::string::npos || !CountOf(kind.substr(eq + 1), faults.*c.member)) {
                error = "fault " + name + " needs =N with N a whole number from 1";
                return false;
            }
            return true;
        }
    }
    error = "unknown fault '" + kind + "'";
    return false;
}
