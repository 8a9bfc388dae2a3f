#pragma once

namespace ModelAdapter {

// The model's clone-file header check in the form the clone-file reader calls it.

bool DocCheckFileHeader(int word1, int word2, int& result);

}  // namespace ModelAdapter
