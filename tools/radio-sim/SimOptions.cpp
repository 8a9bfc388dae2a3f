#include "SimOptions.h"

#include <cctype>

#include "cmcBuff.h"

const char SimUsage[] =
    "usage: orvane-radio-sim [--image FILE] [--map-revision N] [--info-hex HEX]\n"
    "                        [--link PATH] [--save FILE] [--pace] [--fault KIND]... [--help]\n"
    "KIND: silent, bad-checksum=N, lowercase, stop-early, outside, short-info, non-bcd,\n"
    "      refuse-write, noise, hangup=N, stall-write=N, corrupt-store\n";

namespace {

bool IsHexText(const std::string& s) {
    for (char c : s) {
        if (!std::isxdigit(static_cast<unsigned char>(c)) && c != ' ') {
            return false;
        }
    }
    return true;
}

}  // namespace

bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& options,
                     std::string& error) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--pace") {
            options.pace = true;
            continue;
        }
        if (a == "--help" || a == "-h") {
            options.help = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            error = a.rfind("--", 0) == 0 ? a + " needs a value" : "unexpected '" + a + "'";
            return false;
        }
        const std::string& v = args[++i];
        if (a == "--image") {
            options.imageFile = v;
        } else if (a == "--map-revision") {
            if (v.size() != 1 || v[0] < '0' || v[0] > '3') {
                error = "--map-revision takes 0, 1, 2 or 3";
                return false;
            }
            options.mapRevision = v[0] - '0';
        } else if (a == "--info-hex") {
            const cmcBuff bytes = cmcBuff::FromHex(v);
            if (!IsHexText(v) || bytes.Size() != 38 || v.size() < 76) {
                error = "--info-hex takes 38 bytes in hex";
                return false;
            }
            options.info.assign(bytes.Data(), bytes.Data() + bytes.Size());
        } else if (a == "--link") {
            options.linkPath = v;
        } else if (a == "--save") {
            options.saveFile = v;
        } else if (a == "--fault") {
            if (!AddFault(v, options.faults, error)) {
                return false;
            }
        } else {
            error = "unknown option '" + a + "'";
            return false;
        }
    }
    return true;
}
