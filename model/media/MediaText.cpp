#include "model/media/MediaText.h"

#include <fstream>
#include <iterator>

bool MediaText::Read(const std::string& path, std::string& text, std::string& problem) {
    std::ifstream in(path, std::ios::binary);
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (!in.is_open() || in.bad()) {
        problem = "it cannot be read";
        return false;
    }
    if (text.empty()) {
        problem = "it is empty";
        return false;
    }
    if (text.rfind("\xFF\xFE", 0) == 0 || text.rfind("\xFE\xFF", 0) == 0) {
        problem = "it is written in UTF-16; save it as UTF-8 or ASCII text";
        return false;
    }
    if (text.find('\0') != std::string::npos) {
        problem = "it is not a text file";
        return false;
    }
    if (text.rfind("\xEF\xBB\xBF", 0) == 0)
        text.erase(0, 3);
    return true;
}
