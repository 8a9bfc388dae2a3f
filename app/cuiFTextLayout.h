#pragma once
// Where the radio font's dots go in a cell: line height, glyph height and
// width from the rectangle's height and line count, the top of each line,
// the left edge of each character and the pixel span of each dot row and
// column. Pixel offsets are from the rectangle's top left corner.

struct cuiSpan {
    int from = 0;  // first pixel
    int to = 0;    // one past the last pixel (at least from + 1)
};

struct cuiFTextLayout {
    int lineHeight = 0;
    int glyphHeight = 0;
    int glyphWidth = 0;
    int lineTop[2] = {0, 0};
    int startX = 0;
    int pitch = 0;  // from one character's left edge to the next one's

    // lines: 1 or 2.
    static cuiFTextLayout For(int rectHeight, int lines);
    // A single character centred in a rectangle of that width.
    void CentreIn(int rectWidth) { startX = (rectWidth - glyphWidth) / 2; }

    // The top left corner of character i with perLine characters a line.
    int X(int i, int perLine) const { return (i % perLine) * pitch + startX; }
    int Y(int i, int perLine) const { return lineTop[(i / perLine) % 2]; }
    // Dot row j (0..19) and dot column k (0..7) relative to the character's corner.
    cuiSpan Row(int j) const;
    cuiSpan Column(int k) const;
};
