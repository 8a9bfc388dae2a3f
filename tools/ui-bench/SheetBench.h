#pragma once
// Figures of the sheet grid on a full bank (256 channels in bank 1) of each
// model type: the bank sheet built and painted, a typed frequency's Enter to
// the repaint, and a page of scrolling per frame.

class TForm1;

// Prints the figures; false, with the reason on stderr, when a step failed.
bool BenchSheets(TForm1& form);
