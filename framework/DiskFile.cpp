#include "framework/DiskFile.h"

#include <string>

namespace {
// Paths written with '\' mean '/'.
std::string NativePath(const char* name) {
    std::string path(name ? name : "");
    for (char& c : path)
        if (c == '\\')
            c = '/';
    return path;
}
} // namespace

DiskFile::~DiskFile() {
    Close();
}

bool DiskFile::Open(const char* name, const char* mode) {
    Close();
    m_pFile = std::fopen(NativePath(name).c_str(), mode);
    return m_pFile != nullptr;
}

void DiskFile::Close() {
    if (m_pFile)
        std::fclose(m_pFile);
    m_pFile = nullptr;
}

size_t DiskFile::Read(void* data, size_t size, size_t count) {
    return m_pFile ? std::fread(data, size, count, m_pFile) : 0;
}

bool DiskFile::Seek(long offset, int origin) {
    return m_pFile && std::fseek(m_pFile, offset, origin) == 0;
}

size_t DiskFile::Write(const void* data, size_t size, size_t count) {
    return m_pFile ? std::fwrite(data, size, count, m_pFile) : 0;
}
