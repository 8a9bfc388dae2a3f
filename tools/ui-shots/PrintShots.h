#pragma once
// Shots of the print preview (the first bank sheet of a full BiisPmr image)
// and of the EEPROM window; each returns the program's exit status.

#include <string>

namespace PrintShots {

int Preview(const std::string& out);
int Eeprom(const std::string& out);

}  // namespace PrintShots
