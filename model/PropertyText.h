#pragma once

#include "framework/String.h"

// Properties are text. Numbers are read the way the authoring tool always read
// them (leading white space, then the longest number prefix; anything else
// counts as 0) and written like "%f", independently of the process locale so
// that files and sessions read the same on every machine.
namespace PropertyText {

double ToNumber(const String& text);
int ToInteger(const String& text);
// Six decimals, as "%f" writes them.
String FromNumber(double value);
String FromInteger(int value);

} // namespace PropertyText
