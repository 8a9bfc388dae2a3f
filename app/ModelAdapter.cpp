#include "ModelAdapter.h"

#include "ImageChecks.h"

namespace ModelAdapter {

bool DocCheckFileHeader(int word1, int word2, int& result) {
    // Header words are read from four decimal digits each, so they fit 16 bits.
    return CheckFileHeader(static_cast<uint16_t>(word1), static_cast<uint16_t>(word2), result);
}

}  // namespace ModelAdapter
