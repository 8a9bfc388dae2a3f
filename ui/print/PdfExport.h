#pragma once
// orvane --export-pdf OUT.pdf [--sheet REF | --all] FILE: the clone file's
// sheets printed to a PDF file through the window program's page code, with
// no window and no display. --sheet names a sheet by its reference or its
// tree caption; without either option every tree node's sheet is printed.
// The exit status is 0 only when the PDF file was written.

#include <string>
#include <vector>

namespace PdfExport {

constexpr char Option[] = "--export-pdf";

// The command line asks for an export (its first argument is the option).
bool Requested(int argc, char** argv);
// Runs the export (a QGuiApplication exists); the program's exit status.
int Run(const std::vector<std::string>& args);

}  // namespace PdfExport
