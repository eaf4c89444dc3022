#pragma once

class QWidget;

// Keeps a top-level window on the available part of its screen (without task bars and
// docks): a window larger than that area is made smaller, down to its minimum size, and
// one that sticks out is moved back in. The size and place a window asks for hold
// wherever the screen allows them. Call it after giving the window its size and place.
void HoudOpScherm(QWidget& venster);
