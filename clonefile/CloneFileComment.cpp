#include "CloneFileComment.h"

namespace CloneFileComment {

namespace {

constexpr int kCommentAddresses[] = {0x0140, 0x0150};
constexpr int kCommentLength = 16;

void TrimTrailingBlanks(std::string& text) {
    const auto last = text.find_last_not_of(' ');
    text.erase(last == std::string::npos ? 0 : last + 1);
}

std::string CommentText(const cmcEeprom& image, int address) {
    std::string text;
    for (int i = 0; i < kCommentLength && image.IsValidAddress(address + i); ++i) {
        const uint8_t c = image.GetByte(address + i);
        text.push_back(c >= 32 && c <= 126 ? static_cast<char>(c) : ' ');
    }
    return text;
}

}  // namespace

std::string BuildClfComment(const cmcEeprom& image) {
    std::string comment = CommentText(image, kCommentAddresses[0]);
    TrimTrailingBlanks(comment);
    comment += CommentText(image, kCommentAddresses[1]);
    TrimTrailingBlanks(comment);
    return comment;
}

}  // namespace CloneFileComment
