#include "SheetName.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "Excerpt.h"
#include "SheetChoice.h"
#include "ValueText.h"
#include "clsSheetRef.h"
#include "cmcGTex.h"
#include "cuiTree.h"

namespace SheetName {

namespace {

// Lower case, blanks around "/" dropped, other runs of blanks as one blank.
std::string Folded(const std::string& text) {
    std::string out;
    bool blank = false;
    for (const char ch : text) {
        if (std::isspace(static_cast<unsigned char>(ch)) != 0) {
            blank = true;
            continue;
        }
        if (blank && !out.empty() && out.back() != '/' && ch != '/') {
            out.push_back(' ');
        }
        blank = false;
        if (ch == '/' && !out.empty() && out.back() == ' ') {
            out.pop_back();
        }
        out.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(ch))));
    }
    return out;
}

// Every node that opens a sheet, with its path, in tree order.
std::vector<cuiNamedSheet> SheetNodes(cmcGTex& texts, int modelType) {
    cuiTree tree(texts);
    tree.Build();
    tree.AdaptToModel(modelType, true);
    std::vector<cuiNamedSheet> nodes;
    std::vector<std::string> above;  // captions of the nodes above, by depth
    tree.ForEach([&](cuiTree::Node& node, int depth) {
        above.resize(static_cast<size_t>(depth));
        const std::string caption = ValueText::Trim(node.Caption());
        std::string path;
        for (const std::string& c : above) {
            path += c + "/";
        }
        above.push_back(caption);
        const std::string reference = node.Reference();
        if (!reference.empty() && texts.HasSection(ParseSheetRef(reference).name + "_Cells")) {
            nodes.push_back({reference, caption, path + caption});
        }
    });
    return nodes;
}

// Whether the folded name is the folded path or its end after a "/"; with
// prefix, the name's last caption need only begin the path's last caption.
bool Fits(const std::string& name, const std::string& path, bool prefix) {
    for (size_t start = 0;;) {
        const std::string_view tail = std::string_view(path).substr(start);
        if (tail == name || (prefix && tail.starts_with(name) &&
                             tail.find('/', name.size()) == std::string_view::npos)) {
            return true;
        }
        const size_t slash = path.find('/', start);
        if (slash == std::string::npos) {
            return false;
        }
        start = slash + 1;
    }
}

std::string SheetList(const std::vector<cuiNamedSheet>& sheets) {
    std::string list;
    for (const cuiNamedSheet& s : sheets) {
        list += "\n  " + s.path + "  " + s.reference;
    }
    return list;
}

}  // namespace

std::vector<cuiNamedSheet> NamedSheets(cmcGTex& texts, int modelType) {
    std::vector<cuiNamedSheet> sheets;
    for (const cuiNamedSheet& node : SheetNodes(texts, modelType)) {
        auto same = std::find_if(sheets.begin(), sheets.end(), [&](const cuiNamedSheet& s) {
            return s.reference == node.reference;
        });
        if (same == sheets.end()) {
            sheets.push_back(node);
        } else {
            *same = node;
        }
    }
    return sheets;
}

cuiSheetLookup ResolveSheetName(cmcGTex& texts, int modelType, const std::string& name) {
    cuiSheetLookup lookup;
    if (SheetChoice::WhyNoSheet(texts, modelType, name).empty()) {
        lookup.result = cuiSheetNameResult::Found;
        lookup.reference = name;
        return lookup;
    }
    const std::string want = Folded(name);
    const std::vector<cuiNamedSheet> nodes = SheetNodes(texts, modelType);
    for (const bool prefix : {false, true}) {
        for (const cuiNamedSheet& node : nodes) {
            const bool known =
                std::any_of(lookup.matches.begin(), lookup.matches.end(),
                            [&](const cuiNamedSheet& m) { return m.reference == node.reference; });
            if (!want.empty() && !known && Fits(want, Folded(node.path), prefix)) {
                lookup.matches.push_back(node);
            }
        }
        if (!lookup.matches.empty()) {
            break;
        }
    }
    if (lookup.matches.size() == 1) {
        lookup.result = cuiSheetNameResult::Found;
        lookup.reference = lookup.matches.front().reference;
        lookup.matches.clear();
    } else if (lookup.matches.empty()) {
        lookup.message = "no sheet " + Excerpt::QuoteExcerpt(name) +
                         "; the sheets are:" + SheetList(NamedSheets(texts, modelType));
    } else {
        lookup.result = cuiSheetNameResult::Ambiguous;
        lookup.message =
            Excerpt::QuoteExcerpt(name) + " fits more than one sheet:" + SheetList(lookup.matches);
    }
    return lookup;
}

}  // namespace SheetName
