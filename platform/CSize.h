#pragma once

#include "platform/WinTypes.h"

// MFC's size: a SIZE with constructors and comparison.
class CSize : public tagSIZE {
  public:
    CSize() : tagSIZE{0, 0} {}
    CSize(int initCX, int initCY) : tagSIZE{initCX, initCY} {}
    CSize(SIZE initSize) : tagSIZE(initSize) {}

    // Both sides alike, so that comparing two CSize objects is not ambiguous
    // with the reversed comparison; != follows from ==.
    friend bool operator==(const SIZE& a, const SIZE& b) { return a.cx == b.cx && a.cy == b.cy; }
    CSize operator+(SIZE size) const { return CSize(cx + size.cx, cy + size.cy); }
    CSize operator-(SIZE size) const { return CSize(cx - size.cx, cy - size.cy); }
};
