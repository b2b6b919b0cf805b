#pragma once

// The Microsoft C runtime's folder and string functions. Paths may use '\'
// for '/'.

// 0 on success, -1 when the folder cannot be made current.
int _chdir(const char* dirname);
// 0 on success, -1 when the folder cannot be made (also when it exists).
int _mkdir(const char* dirname);
// Compares without regard to letter case: less than, equal to or greater than 0.
int _stricmp(const char* string1, const char* string2);
