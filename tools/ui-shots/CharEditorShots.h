#pragma once
// The character editors for the screenshots: the dot editor with a drawn
// character, and the text editor pop-up of a channel name using it.

#include <string>

int ShowDotEditor(const std::string& out);
int ShowTextEditor(const std::string& out);
