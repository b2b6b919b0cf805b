#include "core/InputEventHandler.h"

bool InputEventHandler::OnMouseMove(POINT, InputEventSource*) {
    return false;
}
bool InputEventHandler::OnLButtonDown(POINT, InputEventSource*) {
    return false;
}
bool InputEventHandler::OnLButtonUp(POINT, InputEventSource*) {
    return false;
}
bool InputEventHandler::OnLButtonDblClk(POINT, InputEventSource*) {
    return false;
}
bool InputEventHandler::OnRButtonDown(POINT, InputEventSource*) {
    return false;
}
bool InputEventHandler::OnRButtonUp(POINT, InputEventSource*) {
    return false;
}
bool InputEventHandler::OnRButtonDblClk(POINT, InputEventSource*) {
    return false;
}
bool InputEventHandler::OnMButtonDown(POINT, InputEventSource*) {
    return false;
}
bool InputEventHandler::OnMButtonUp(POINT, InputEventSource*) {
    return false;
}
bool InputEventHandler::OnMButtonDblClk(POINT, InputEventSource*) {
    return false;
}
bool InputEventHandler::OnKeyDown(UINT, InputEventSource*) {
    return false;
}
bool InputEventHandler::OnKeyUp(UINT, InputEventSource*) {
    return false;
}
