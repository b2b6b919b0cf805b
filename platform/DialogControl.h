#pragma once

#include "platform/WinTypes.h"

class QWidget;

// The control id and style that a dialog's Qt controls carry.
namespace DialogControl {
void Tag(QWidget* control, int nID, DWORD dwStyle);
bool IsControl(const QWidget* widget);
int IdOf(const QWidget* control);
DWORD StyleOf(const QWidget* control);
// The control with that id among the dialog's children, or null.
QWidget* Find(const QWidget* dialog, int nID);
} // namespace DialogControl
