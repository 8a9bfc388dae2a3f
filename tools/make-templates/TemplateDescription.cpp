#include "TemplateDescription.h"

#include <cstdint>
#include <functional>
#include <map>
#include <sstream>
#include <vector>

namespace {

constexpr int kAllModels = -1;

const std::map<std::string, int> kModelNames = {
    {"all", kAllModels}, {"Lmr", ModelLmr}, {"Pmr", ModelPmr}, {"BiisPmr", ModelBiisPmr}};

bool ParseNumber(const std::string& word, long& value) {
    const bool hex = word.rfind("0x", 0) == 0 || word.rfind("0X", 0) == 0;
    const std::string digits = hex ? word.substr(2) : word;
    if (digits.empty()) {
        return false;
    }
    size_t used = 0;
    try {
        value = std::stol(digits, &used, hex ? 16 : 10);
    } catch (...) {
        return false;
    }
    return used == digits.size();
}

bool ParseByte(const std::string& word, uint8_t& value) {
    long n = 0;
    if (word.size() != 2 || !ParseNumber("0x" + word, n)) {
        return false;
    }
    value = static_cast<uint8_t>(n);
    return true;
}

// One directive line split into its words; a quoted text is one word without quotes.
std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream in(line);
    std::string word;
    while (in >> std::ws && !in.eof()) {
        if (in.peek() == '"') {
            in.get();
            std::getline(in, word, '"');
        } else {
            in >> word;
        }
        words.push_back(word);
    }
    return words;
}

// Writes bytes into the images a directive applies to.
class Writer {
  public:
    Writer(std::array<cmcEeprom, ModelTypeCount>& images, int model)
        : images_(images), model_(model) {}

    bool Put(long address, uint8_t value) {
        return Modify(address, [value](uint8_t) { return value; });
    }

    bool PutBit(long address, long bit, bool on) {
        const uint8_t mask = static_cast<uint8_t>(1u << bit);
        return Modify(address, [mask, on](uint8_t old) {
            return static_cast<uint8_t>(on ? (old | mask) : (old & ~mask));
        });
    }

  private:
    std::array<cmcEeprom, ModelTypeCount>& images_;
    int model_;

    // Changes the byte at address in every image the directive applies to.
    bool Modify(long address, const std::function<uint8_t(uint8_t)>& change) {
        for (int m = 0; m < ModelTypeCount; ++m) {
            if (model_ != kAllModels && model_ != m) {
                continue;
            }
            cmcEeprom& image = images_[static_cast<size_t>(m)];
            if (address < 0 || address >= image.Size()) {
                return false;
            }
            const int a = static_cast<int>(address);
            image.SetByte(a, change(image.GetByte(a)));
        }
        return true;
    }
};

bool ParseBytes(const std::vector<std::string>& words, size_t from, std::vector<uint8_t>& bytes) {
    for (size_t i = from; i < words.size(); ++i) {
        uint8_t b = 0;
        if (!ParseByte(words[i], b)) {
            return false;
        }
        bytes.push_back(b);
    }
    return !bytes.empty();
}

bool PutAll(Writer& out, long address, const std::vector<uint8_t>& bytes) {
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (!out.Put(address + static_cast<long>(i), bytes[i])) {
            return false;
        }
    }
    return true;
}

using Directive = std::function<bool(const std::vector<std::string>&, Writer&)>;

const std::map<std::string, Directive> kDirectives = {
    {"bytes",
     [](const std::vector<std::string>& w, Writer& out) {
         long address = 0;
         std::vector<uint8_t> bytes;
         return w.size() >= 3 && ParseNumber(w[1], address) && ParseBytes(w, 2, bytes) &&
                PutAll(out, address, bytes);
     }},
    {"text",
     [](const std::vector<std::string>& w, Writer& out) {
         long address = 0;
         return w.size() == 3 && ParseNumber(w[1], address) &&
                PutAll(out, address, std::vector<uint8_t>(w[2].begin(), w[2].end()));
     }},
    {"fill",
     [](const std::vector<std::string>& w, Writer& out) {
         long address = 0;
         long count = 0;
         uint8_t value = 0;
         return w.size() == 4 && ParseNumber(w[1], address) && ParseNumber(w[2], count) &&
                count > 0 && ParseByte(w[3], value) &&
                PutAll(out, address, std::vector<uint8_t>(static_cast<size_t>(count), value));
     }},
    {"repeat",
     [](const std::vector<std::string>& w, Writer& out) {
         long address = 0;
         long stride = 0;
         long count = 0;
         std::vector<uint8_t> bytes;
         if (w.size() < 5 || !ParseNumber(w[1], address) || !ParseNumber(w[2], stride) ||
             !ParseNumber(w[3], count) || stride <= 0 || count <= 0 || !ParseBytes(w, 4, bytes)) {
             return false;
         }
         for (long i = 0; i < count; ++i) {
             if (!PutAll(out, address + i * stride, bytes)) {
                 return false;
             }
         }
         return true;
     }},
    {"word",
     [](const std::vector<std::string>& w, Writer& out) {
         long address = 0;
         long value = 0;
         return w.size() == 3 && ParseNumber(w[1], address) && ParseNumber(w[2], value) &&
                value >= 0 && value <= 0xFFFF &&
                PutAll(out, address,
                       {static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value & 0xFF)});
     }},
    {"bit",
     [](const std::vector<std::string>& w, Writer& out) {
         long address = 0;
         long bit = 0;
         return w.size() == 4 && ParseNumber(w[1], address) && ParseNumber(w[2], bit) && bit >= 0 &&
                bit <= 7 && (w[3] == "0" || w[3] == "1") && out.PutBit(address, bit, w[3] == "1");
     }},
};

}  // namespace

bool TemplateDescription::Apply(const std::string& text,
                                std::array<cmcEeprom, ModelTypeCount>& images) {
    std::istringstream in(text);
    std::string line;
    int model = kAllModels;
    for (int number = 1; std::getline(in, line); ++number) {
        const std::vector<std::string> words = Words(line);
        if (words.empty() || words[0].rfind('#', 0) == 0) {
            continue;
        }
        bool ok = false;
        if (words[0] == "model") {
            const auto found = words.size() == 2 ? kModelNames.find(words[1]) : kModelNames.end();
            ok = found != kModelNames.end();
            if (ok) {
                model = found->second;
            }
        } else if (const auto directive = kDirectives.find(words[0]);
                   directive != kDirectives.end()) {
            Writer out(images, model);
            ok = directive->second(words, out);
        }
        if (!ok) {
            error_ = "line " + std::to_string(number) + ": cannot use '" + line + "'";
            return false;
        }
    }
    return true;
}
