#pragma once

#include "framework/BaseObject.h"
#include "platform/WinTypes.h"

class InputEventSource;

// "InputEventHandler": a plug-in that reacts to the mouse and keys of the
// windows it attached to. An event operation returns true when it handled the
// event, which ends the pass; the defaults handle nothing.
class InputEventHandler : public virtual BaseObject {
  public:
    virtual bool OnMouseMove(POINT point, InputEventSource* source);
    virtual bool OnLButtonDown(POINT point, InputEventSource* source);
    virtual bool OnLButtonUp(POINT point, InputEventSource* source);
    virtual bool OnLButtonDblClk(POINT point, InputEventSource* source);
    virtual bool OnRButtonDown(POINT point, InputEventSource* source);
    virtual bool OnRButtonUp(POINT point, InputEventSource* source);
    virtual bool OnRButtonDblClk(POINT point, InputEventSource* source);
    virtual bool OnMButtonDown(POINT point, InputEventSource* source);
    virtual bool OnMButtonUp(POINT point, InputEventSource* source);
    virtual bool OnMButtonDblClk(POINT point, InputEventSource* source);
    virtual bool OnKeyDown(UINT key, InputEventSource* source);
    virtual bool OnKeyUp(UINT key, InputEventSource* source);
    // Whether the handler is to be attached to this source.
    virtual bool AcceptsSource(InputEventSource* source) = 0;
};
