#pragma once
// Reading a body of an owner's section family: lines 0, 1, ... up to the
// first line beginning with "#".

#include <string>
#include <vector>

class cmcGTex;

std::vector<std::string> ReadBodyLines(cmcGTex& texts, const std::string& section);
