#pragma once

#include "framework/BaseObject.h"

#include <cstddef>
#include <cstdio>

// A file on disk, created with new and held through a Pointer.
class DiskFile : public virtual BaseObject {
  public:
    ~DiskFile() override;
    // mode as for fopen ("rb", "wb" ...); false when the file cannot be opened.
    virtual bool Open(const char* name, const char* mode);
    virtual void Close();
    virtual size_t Read(void* data, size_t size, size_t count);
    virtual bool Seek(long offset, int origin);
    virtual size_t Write(const void* data, size_t size, size_t count);

  private:
    std::FILE* m_pFile = nullptr;
};
