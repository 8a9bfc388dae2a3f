#include "cuiTree.h"

#include <algorithm>

#include "BankSheets.h"
#include "CellParser.h"
#include "ChBanks.h"
#include "MenuLayout.h"
#include "ModelType.h"
#include "clsSheetRef.h"
#include "cmcGTex.h"

namespace {

// Filter bits of a node's cell (the "Flag" groups).
constexpr uint8_t MakerOnly = kStateFlag0;
constexpr uint8_t NotPmr = kStateFlag1;    // removed for Pmr and BiisPmr
constexpr uint8_t NotLmr = kStateFlag2;    // removed for Lmr
constexpr uint8_t BiisOnly = kStateFlag3;  // removed unless BiisPmr

constexpr int BankImage = 4;

// A line used as a format: "%d" and "%s" take the arguments in order, "%%" is "%".
std::string FormatLine(const std::string& format, int first, const std::string& word, int third) {
    std::string out;
    int arg = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size()) {
            const char f = format[++i];
            if (f == '%') {
                out.push_back('%');
            } else if (f == 'd' || f == 's') {
                out += arg == 0 ? std::to_string(first) : arg == 1 ? word : std::to_string(third);
                ++arg;
            } else {
                out.push_back('%');
                out.push_back(f);
            }
        } else {
            out.push_back(format[i]);
        }
    }
    return out;
}

int Depth(const std::string& line) {
    const auto plus = line.find('+');
    return plus == std::string::npos ? -1 : static_cast<int>(plus);
}

}  // namespace

cuiTree::cuiTree(cmcGTex& texts, std::string base) : texts_(texts), base_(std::move(base)) {}

int cuiTree::BankOfReference(const std::string& reference) {
    const clsSheetRef ref = ParseSheetRef(reference);
    if (ref.className != "St_ChBank" || !ref.argument.starts_with("Bank")) {
        return -1;
    }
    const std::string number = ref.argument.substr(4);
    const auto first = number.find_first_not_of(" \t");
    if (first == std::string::npos || number[first] < '0' || number[first] > '9') {
        return -1;
    }
    return std::atoi(number.c_str() + first);
}

cuiTree::Node* cuiTree::AddNode(Node* parent, const std::string& line) {
    const auto plus = line.find('+');
    const std::string definition = plus == std::string::npos ? line : line.substr(plus + 1);
    auto node = std::make_unique<Node>();
    ParseCell(definition, node->cell, nullptr, &basic_, false);
    node->image = node->cell.imageIndex;
    node->parent = parent;
    Node* raw = node.get();
    (parent != nullptr ? parent->children : roots_).push_back(std::move(node));
    return raw;
}

void cuiTree::Build() {
    roots_.clear();
    ParseCell(texts_.GetText(base_ + "_BasicCell"), basic_, nullptr, nullptr, false);
    // A deeper line starts the children of the node made last; a shallower one
    // goes back up to the level of its depth.
    std::vector<std::pair<int, Node*>> open;  // depth and node of each open level
    for (int i = 0;; ++i) {
        const std::string line = texts_.GetText(base_ + "_Body", i);
        if (!line.empty() && line[0] == '#') {
            break;
        }
        const int depth = Depth(line);
        if (depth < 0) {
            continue;
        }
        while (!open.empty() && open.back().first >= depth) {
            open.pop_back();
        }
        Node* parent = open.empty() ? nullptr : open.back().second;
        open.emplace_back(depth, AddNode(parent, line));
    }
    if (!roots_.empty()) {
        roots_.front()->expanded = true;
    }
}

void cuiTree::ForEach(const std::function<void(Node&, int)>& visit) {
    std::function<void(Node&, int)> walk = [&](Node& n, int depth) {
        visit(n, depth);
        for (auto& child : n.children) {
            walk(*child, depth + 1);
        }
    };
    for (auto& root : roots_) {
        walk(*root, 0);
    }
}

cuiTree::Node* cuiTree::FindNodeByReference(const std::string& reference) {
    Node* found = nullptr;
    ForEach([&](Node& n, int) {
        if (found == nullptr && n.Reference() == reference) {
            found = &n;
        }
    });
    return found;
}

std::vector<cuiTree::Sheet> cuiTree::Sheets() {
    std::vector<Sheet> sheets;
    ForEach([&](Node& node, int) {
        const std::string reference = node.Reference();
        if (reference.empty() || !texts_.HasSection(ParseSheetRef(reference).name + "_Cells")) {
            return;
        }
        auto same = std::find_if(sheets.begin(), sheets.end(),
                                 [&](const Sheet& s) { return s.reference == reference; });
        if (same == sheets.end()) {
            sheets.push_back({reference, node.Caption()});
        } else {
            same->caption = node.Caption();
        }
    });
    return sheets;
}

bool cuiTree::RemoveFirst(const std::function<bool(const Node&)>& match) {
    std::function<bool(std::vector<std::unique_ptr<Node>>&)> scan =
        [&](std::vector<std::unique_ptr<Node>>& nodes) {
            for (auto it = nodes.begin(); it != nodes.end(); ++it) {
                if (match(**it)) {
                    nodes.erase(it);
                    return true;
                }
                if (scan((*it)->children)) {
                    return true;
                }
            }
            return false;
        };
    return scan(roots_);
}

void cuiTree::AdaptToModel(int modelType, bool makerMode) {
    uint8_t removed = 0;
    if (!makerMode) {
        removed |= MakerOnly;
    }
    removed |= modelType == ModelLmr ? NotLmr : NotPmr;
    if (modelType != ModelBiisPmr) {
        removed |= BiisOnly;
    }
    while (RemoveFirst([removed](const Node& n) { return (n.cell.stateFlags & removed) != 0; })) {
    }
    Node* top = FindNodeByReference(MemoryChannelTop);
    if (top == nullptr) {
        return;
    }
    top->children.clear();
    AddNode(top, texts_.GetText("GI_Tree_Branch_Mch_BankOperation"));
    const std::string bankLine = texts_.GetText("GI_Tree_Branch_Mch_Bank");
    for (int i = 0; i < 16; ++i) {
        AddNode(top, FormatLine(bankLine, i + 1, BankSheets::Word(modelType), i));
    }
}

void cuiTree::UpdateBankIcons(const cmcEeprom& image) {
    ForEach([&](Node& n, int) {
        const int bank = BankOfReference(n.Reference());
        if (bank >= 0 || ParseSheetRef(n.Reference()).className == "St_ChBank") {
            const bool valid = bank >= 0 && bank < 16;
            const bool trunk = valid && BankSmarTrunk(image, bank);
            const bool used = valid && BankCount(image, bank) > 0;
            n.image = BankImage + 2 * (trunk ? 1 : 0) + (used ? 1 : 0);
        }
    });
}

namespace {

bool Listed(const std::vector<std::string>& list, const std::string& reference) {
    auto lower = [](std::string s) {
        std::transform(s.begin(), s.end(), s.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return s;
    };
    const std::string want = lower(reference);
    return !want.empty() && std::any_of(list.begin(), list.end(),
                                        [&](const std::string& r) { return lower(r) == want; });
}

// The listed nodes of the subtree; marks the node when it is listed, or when
// it is collapsed with listed nodes below it.
int MarkSubtree(cuiTree::Node& node, const std::vector<std::string>& list, int overlay) {
    int count = Listed(list, node.Reference()) ? 1 : 0;
    const bool own = count > 0;
    for (auto it = node.children.rbegin(); it != node.children.rend(); ++it) {
        count += MarkSubtree(**it, list, overlay);
    }
    if (own || (count > 0 && !node.expanded)) {
        node.overlay = overlay;
    }
    return count;
}

}  // namespace

void cuiTree::Mark(const std::vector<std::string>& errors,
                   const std::vector<std::string>& warnings) {
    ForEach([](Node& n, int) { n.overlay = -1; });
    for (auto it = roots_.rbegin(); it != roots_.rend(); ++it) {
        MarkSubtree(**it, warnings, 1);
        MarkSubtree(**it, errors, 0);
    }
}
