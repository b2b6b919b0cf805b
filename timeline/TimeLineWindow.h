#pragma once

#include "host/KeyFrame.h"

#include "framework/Pointer.h"

// "TimeLineWindow", answered by the time line window published as "Time Line
// Window" while it is open: cell hit tests, the selected block of cells and
// the selected key frame. None of the operations redraws.
class TimeLineWindow : public virtual BaseObject {
  public:
    // The cell (1-based row and frame) under a client point of the grid; false,
    // writing nothing, outside it.
    virtual bool PointToCell(int x, int y, int& row, int& frame) = 0;
    // Stored as given, neither ordered nor checked.
    virtual void SetSelection(int firstFrame, int firstRow, int lastFrame, int lastRow) = 0;
    virtual void ClearSelection() = 0;
    // Empty when no key frame is selected.
    virtual Pointer<KeyFrame> GetSelectedKeyFrame() = 0;
    virtual void SetSelectedKeyFrame(Pointer<KeyFrame> keyFrame) = 0;
};
