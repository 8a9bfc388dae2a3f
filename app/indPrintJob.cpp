#include "indPrintJob.h"

#include "clsSheetRef.h"
#include "cmcGTex.h"
#include "cuiTree.h"

std::vector<std::string> PrintAllReferences(cuiTree& tree, cmcGTex& texts) {
    std::vector<std::string> references;
    tree.ForEach([&](cuiTree::Node& node, int) {
        const std::string reference = node.Reference();
        if (!reference.empty() && texts.HasSection(ParseSheetRef(reference).name + "_Cells")) {
            references.push_back(reference);
        }
    });
    return references;
}

indPrintJob::indPrintJob(std::unique_ptr<cuiPrintTarget> target,
                         std::vector<std::string> references)
    : target_(std::move(target)), references_(std::move(references)) {}

indPrintJob::~indPrintJob() = default;

bool indPrintJob::Step() {
    if (ended_) {
        return false;
    }
    if (next_ < references_.size()) {
        pages_ += target_->PrintSheet(references_[next_], [this] { return cancelled_; });
        ++next_;
    }
    if (next_ >= references_.size()) {
        end_ = target_->EndDocument();
        ended_ = true;
    }
    return !ended_;
}

void indPrintJob::RunToEnd() {
    while (Step()) {
    }
}
