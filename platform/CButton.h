#pragma once

#include "platform/CWnd.h"

// A push button of a dialog: a Qt push button; clicking it sends BN_CLICKED.
class CButton : public CWnd {};
