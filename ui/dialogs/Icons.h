#pragma once
// The tree and tool-bar image lists, by the index numbers the overlay's tree
// and tool-bar definitions use, and the application's icon. Standard actions
// come from the desktop's icon theme when it has them; every image also has a
// bundled 16 x 16 drawing, so the program looks complete without a theme.

#include <QIcon>
#include <QString>

namespace Icons {

inline constexpr int TreeCount = 10;
inline constexpr int ToolBarCount = 13;

// Tree images: 0 rig, 1 folder, 2 and 3 notes, 4 to 7 banks (plain, plain with
// channels, trunked, trunked with channels), 8 warning mark, 9 error mark.
QIcon Tree(int index);
// Tool-bar images: 0 new, 1 open, 2 save, 3 to 6 ports 1 to 4, 7 clone read,
// 8 clone write, 9 clone information, 10 pen, 11 fill, 12 slider.
QIcon ToolBar(int index);
// Index 9 of the tree list is the error overlay, index 8 the warning overlay.
inline constexpr int TreeErrorMark = 9;
inline constexpr int TreeWarningMark = 8;

QIcon Application();

// The bundled drawing and the theme name (empty when no standard icon fits).
struct Entry {
    const char* resource;
    const char* themeName;
};
const Entry* TreeEntry(int index);
const Entry* ToolBarEntry(int index);

}  // namespace Icons
