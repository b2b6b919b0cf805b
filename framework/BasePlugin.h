#pragma once

#include "framework/BaseObject.h"

// The base of every plug-in class; it only makes an object answer "BasePlugin".
class BasePlugin : public virtual BaseObject {};
