#pragma once

#include "platform/gdi/GdiDefs.h"

class CGdiObject;

// A GDI object handle is the object itself.
using HGDIOBJ = CGdiObject*;

// Base of pens, brushes, fonts and bitmaps. An object is usable once one of its
// Create functions succeeded; device contexts copy what they need when it is
// selected, so deleting a selected pen, brush or font never leaves a device
// context drawing with freed state.
class CGdiObject {
  public:
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    virtual ~CGdiObject() = default;

    // The object when it has been created, else null.
    HGDIOBJ GetSafeHandle() { return m_bCreated ? this : nullptr; }
    // Frees what Create made, so that the object can be created again. Stock
    // objects, objects never created and bitmaps selected into a device context
    // are not deleted (FALSE), as in Windows.
    BOOL DeleteObject();

  protected:
    CGdiObject() = default;

    // Called by a successful Create: an object created twice without
    // DeleteObject keeps its first state, as a handle that was never freed.
    bool BeginCreate() const { return !m_bCreated; }
    void EndCreate() { m_bCreated = true; }
    virtual bool CanDelete() const { return true; }
    virtual void Release() {}

    bool m_bCreated = false;
    bool m_bStock = false;

    friend class StockObjects;
};
