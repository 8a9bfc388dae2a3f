#include "ValueText.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

namespace ValueText {

namespace {
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string Cut(std::string s, size_t n) {
    if (s.size() > n) {
        s.resize(n);
    }
    return s;
}
}  // namespace

std::string KeepChars(std::string_view text, std::string_view extra) {
    std::string out;
    for (char c : text) {
        if (IsDigit(c) || extra.find(c) != std::string_view::npos) {
            out.push_back(c);
        }
    }
    return out;
}

bool HasDigit(std::string_view text) {
    return std::any_of(text.begin(), text.end(), IsDigit);
}

std::string Trim(std::string_view text) {
    size_t b = 0, e = text.size();
    while (b < e && static_cast<unsigned char>(text[b]) <= ' ') {
        ++b;
    }
    while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ') {
        --e;
    }
    return std::string(text.substr(b, e - b));
}

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return out;
}

double ParseDecimal(std::string_view text) {
    // Sign, integer digits, optional "." and fraction digits; anything after ends the number.
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    double v = 0;
    while (i < text.size() && IsDigit(text[i])) {
        v = v * 10 + (text[i++] - '0');
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        double scale = 0.1;
        while (i < text.size() && IsDigit(text[i])) {
            v += (text[i++] - '0') * scale;
            scale /= 10;
        }
    }
    return negative ? -v : v;
}

int64_t RoundHalfAway(double v) {
    return static_cast<int64_t>(v < 0 ? std::ceil(v - 0.5) : std::floor(v + 0.5));
}

int32_t ParseRounded(std::string_view text) {
    const double v = ParseDecimal(Cut(KeepChars(text, ".-"), 9));
    return static_cast<int32_t>(std::clamp<int64_t>(RoundHalfAway(v), INT32_MIN, INT32_MAX));
}

int64_t SnapToRaster(int64_t hz, bool coarse) {
    if (hz < 0) {
        return -1;
    }
    int64_t precision = 1;
    for (int64_t p = 10; p <= 100000; p *= 10) {
        if (hz % p == 0) {
            precision = p;
        }
    }
    const int64_t step = coarse ? 1250 : 625;
    const int64_t a = coarse ? 5000 : 2500;
    const int64_t b = coarse ? 6250 : 3125;
    for (int64_t f = hz / 100000 * 100000; f <= hz + precision - 1; f += step) {
        if (f >= hz && (f % a == 0 || f % b == 0)) {
            return f;
        }
    }
    return -1;
}

std::string FormatFrequency(int64_t hz) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%lld.%06lld", static_cast<long long>(hz / 1000000),
                  static_cast<long long>(hz % 1000000));
    return buf;
}

int64_t TypedFrequency(std::string_view text) {
    const double mhz = ParseDecimal(Cut(KeepChars(text, "."), 9));
    const double hz = std::clamp(mhz * 1000000.0 + 0.5, 0.0, 799999999.5);
    return static_cast<int64_t>(hz);
}

std::string FormatFixedPoint(int32_t value, int storageDecimals, int shownDecimals) {
    int64_t unit = 1;
    for (int i = 0; i < storageDecimals; ++i) {
        unit *= 10;
    }
    const int64_t whole = value / unit;
    int64_t fraction = std::llabs(value % unit);
    for (int i = storageDecimals; i < shownDecimals; ++i) {
        fraction *= 10;
    }
    for (int i = shownDecimals; i < storageDecimals; ++i) {
        fraction /= 10;
    }
    char buf[48];
    if (value < 0 && whole == 0) {
        std::snprintf(buf, sizeof buf, "%3s.%0*lld", "-0", shownDecimals,
                      static_cast<long long>(fraction));
    } else {
        std::snprintf(buf, sizeof buf, "%3lld.%0*lld", static_cast<long long>(whole), shownDecimals,
                      static_cast<long long>(fraction));
    }
    return buf;
}

bool ParseFixedPoint(std::string_view text, int storageDecimals, int32_t step, int32_t& value) {
    const std::string kept = Cut(KeepChars(text, ".-"), 9);
    if (!HasDigit(kept)) {
        return false;  // "", "." or "-" hold no number
    }
    const double v = ParseDecimal(kept) * std::pow(10.0, storageDecimals);
    int64_t n = RoundHalfAway(std::clamp(v, double{INT32_MIN}, double{INT32_MAX}));
    if (step > 1) {
        n = n / step * step;
    }
    value = static_cast<int32_t>(n);
    return true;
}

std::string FormatTimer(int value, int scale, int trimCount) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%3d.%03d", value / scale, (value * 1000 / scale) % 1000);
    std::string s = buf;
    for (int i = 0; i < trimCount && !s.empty(); ++i) {
        const char last = s.back();
        if (last != '0' && last != '.') {
            break;
        }
        s.pop_back();
        if (last == '.') {
            break;
        }
    }
    return s;
}

bool IsOffText(std::string_view text) {
    std::string letters;
    for (char c : text) {
        if (std::string_view("ofOF").find(c) != std::string_view::npos) {
            letters.push_back(c);
        }
    }
    return letters.size() >= 2 && (letters[0] == 'o' || letters[0] == 'O') &&
           (letters[1] == 'f' || letters[1] == 'F');
}

std::string ZeroForOff(std::string_view text) {
    std::string t = Trim(text);
    if (t.size() >= 2 && (t[0] == 'o' || t[0] == 'O') && (t[1] == 'f' || t[1] == 'F')) {
        return "0";
    }
    return t;
}

bool ParseTimer(std::string_view text, int scale, int& value) {
    if (IsOffText(text)) {
        value = 0;
        return true;
    }
    if (!HasDigit(text)) {
        return false;  // nothing to read: the timer keeps its value
    }
    const double seconds = ParseDecimal(Cut(KeepChars(text, "."), 9));
    value = static_cast<int>(std::clamp((seconds + 0.0005) * scale, 0.0, 255.0));
    return true;
}

std::string FormatMinSec(int value, int stepSeconds) {
    const int perMinute = 60 / stepSeconds;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%2d:%02d", value / perMinute,
                  stepSeconds * (value % perMinute));
    return buf;
}

int ParseMinSec(std::string_view text, int oldValue, int stepSeconds, int loSeconds,
                int hiSeconds) {
    const int perMinute = 60 / stepSeconds;
    const std::string kept = Cut(KeepChars(text, ":"), 5);
    // "m:ss" splits into minutes and seconds; an empty minutes part keeps the old
    // minutes, a missing seconds part gives 0 seconds.
    const auto colon = kept.find(':');
    const std::string minutePart = kept.substr(0, colon);
    const std::string secondPart = colon == std::string::npos ? "" : kept.substr(colon + 1);
    const int minutes =
        minutePart.empty() ? oldValue / perMinute : static_cast<int>(ParseDecimal(minutePart));
    const int seconds = static_cast<int>(ParseDecimal(secondPart));
    int value = seconds / stepSeconds + perMinute * minutes;
    if (seconds % stepSeconds >= stepSeconds / 2) {
        ++value;
    }
    return std::clamp(value, loSeconds / stepSeconds, hiSeconds / stepSeconds);
}

int ToneCodeFromHz(int hz) {
    return static_cast<int>(RoundHalfAway(hz * 6.4));
}
int HzFromToneCode(int code) {
    return static_cast<int>(RoundHalfAway(code * 10240.0 / 65536.0));
}

int BeepHzFromByte(int n) {
    return std::clamp(static_cast<int>(RoundHalfAway(96000.0 / (n + 1))), 400, 3000);
}
int BeepByteFromHz(int hz) {
    hz = std::clamp(hz, 400, 3000);
    return static_cast<int>(RoundHalfAway(96000.0 / hz - 1));
}

int CtcssTenthsFromWord(int word) {
    return word <= 0 ? 0 : static_cast<int>(RoundHalfAway(1920000.0 / word));
}
int CtcssWordFromTenths(int tenths) {
    return tenths <= 0 ? 0 : static_cast<int>(RoundHalfAway(1920000.0 / tenths));
}

int ToneLengthMs(int byte) {
    return static_cast<int>(RoundHalfAway(byte * 10.9375));
}
int ToneLengthByte(int ms) {
    return static_cast<int>(RoundHalfAway(ms / 10.9375)) % 256;
}

}  // namespace ValueText
