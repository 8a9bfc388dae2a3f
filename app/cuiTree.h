#pragma once
// The tree of sheets without its window: nodes built from the overlay's tree
// section, adapted to the model type and maker mode, the memory-channel
// branch with one node per bank, bank icons and warning marks. The window
// shows it; the command line walks it to name sheets.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cmcCellObj.h"

class cmcEeprom;
class cmcGTex;

class cuiTree {
  public:
    struct Node {
        cmcCellObj cell;  // caption = text, sheet reference = param, image index
        Node* parent = nullptr;
        std::vector<std::unique_ptr<Node>> children;
        int image = -1;
        int overlay = -1;  // -1 none, 0 error mark, 1 warning mark
        bool expanded = false;

        const std::string& Caption() const { return cell.Text(); }
        std::string Reference() const { return cell.param.value_or(std::string()); }
    };

    // Reference of the node under which the bank nodes go.
    static constexpr char MemoryChannelTop[] = "GI_Sheet_Memory_CH_Top";

    explicit cuiTree(cmcGTex& texts, std::string base = "GI_Tree_Main");

    // The nodes of "<base>_Body" (depth = characters before the first "+");
    // the first node is expanded.
    void Build();
    // Removes the nodes the model type and maker mode do not show, and fills
    // the memory-channel branch with the bank-operation node and 16 bank nodes.
    void AdaptToModel(int modelType, bool makerMode);
    // Node images of the bank sheets: 4 + 2 x SmarTrunk + (1 with channels).
    void UpdateBankIcons(const cmcEeprom& image);
    // Error marks win over warning marks; a collapsed node shows its subtree's marks.
    void Mark(const std::vector<std::string>& errors, const std::vector<std::string>& warnings);

    const std::vector<std::unique_ptr<Node>>& Roots() const { return roots_; }
    // The first node, depth first, whose reference is exactly reference.
    Node* FindNodeByReference(const std::string& reference);
    // The sheets the nodes open, in tree order, each once with its caption: a
    // group node that opens the same sheet as a node under it gives way to that
    // node's more precise caption. Only references the overlay has a sheet for.
    struct Sheet {
        std::string reference;
        std::string caption;
    };
    std::vector<Sheet> Sheets();
    // Every node, depth first, with its depth (0 for the top level).
    void ForEach(const std::function<void(Node&, int)>& visit);

    // The bank of a bank-sheet reference ("[St_ChBank]...,Bank N"), or -1.
    static int BankOfReference(const std::string& reference);

  private:
    Node* AddNode(Node* parent, const std::string& line);
    // Removes the first node matching, depth first; true when one was removed.
    bool RemoveFirst(const std::function<bool(const Node&)>& match);

    cmcGTex& texts_;
    std::string base_;
    cmcCellObj basic_;
    std::vector<std::unique_ptr<Node>> roots_;
};
