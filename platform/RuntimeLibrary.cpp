#include "platform/RuntimeLibrary.h"

#include "platform/NativePath.h"

#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

int _chdir(const char* dirname) {
    return chdir(NativePath(dirname).c_str()) == 0 ? 0 : -1;
}

int _mkdir(const char* dirname) {
    return mkdir(NativePath(dirname).c_str(), 0777) == 0 ? 0 : -1;
}

int _stricmp(const char* string1, const char* string2) {
    return strcasecmp(string1, string2);
}
