#include "Csv.h"

namespace Csv {

namespace {

bool IsBlank(const cmcCsvRecord& r) {
    return r.fields.size() == 1 && r.fields[0].empty();
}

bool LooksLikeNumber(std::string_view text) {
    return text.find_first_of("0123456789") != std::string_view::npos &&
           text.find_first_not_of("0123456789 .,:/+-eE%()") == std::string_view::npos;
}

}  // namespace

std::vector<cmcCsvRecord> ParseCsv(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    std::vector<cmcCsvRecord> records;
    cmcCsvRecord current{1, {""}};
    int line = 1;
    bool quoted = false;
    auto endRecord = [&] {
        if (!IsBlank(current)) {
            records.push_back(std::move(current));
        }
        current = cmcCsvRecord{line, {""}};
    };
    for (size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        std::string& field = current.fields.back();
        if (quoted) {
            if (ch == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') {
                    field.push_back('"');
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (ch == '\n') {
                    ++line;
                }
                field.push_back(ch);
            }
        } else if (ch == '"' && field.empty()) {
            quoted = true;
        } else if (ch == ',') {
            current.fields.emplace_back();
        } else if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;  // the LF ends the record
        } else if (ch == '\n' || ch == '\r') {
            ++line;
            endRecord();
        } else {
            field.push_back(ch);
        }
    }
    endRecord();
    return records;
}

std::string FormatCsvRecord(const std::vector<std::string>& fields) {
    std::string out;
    for (size_t i = 0; i < fields.size(); ++i) {
        const std::string& f = fields[i];
        if (i > 0) {
            out.push_back(',');
        }
        if (f.find_first_of(",\"\r\n") != std::string::npos || f.starts_with(' ') ||
            f.ends_with(' ')) {
            out.push_back('"');
            for (char ch : f) {
                if (ch == '"') {
                    out.push_back('"');
                }
                out.push_back(ch);
            }
            out.push_back('"');
        } else {
            out += f;
        }
    }
    out += "\r\n";
    return out;
}

std::string ProtectCsvText(std::string_view text) {
    const bool formula =
        !text.empty() && std::string_view("=+-@\t\r'").find(text[0]) != std::string_view::npos;
    return formula || LooksLikeNumber(text) ? "'" + std::string(text) : std::string(text);
}

std::string UnprotectCsvText(std::string_view text) {
    return std::string(text.starts_with('\'') ? text.substr(1) : text);
}

}  // namespace Csv
