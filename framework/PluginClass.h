#pragma once

#include "framework/BaseObject.h"
#include "framework/ClassRecord.h"

// The create and supports functions of a registered class. T must be default
// constructible, answer FindInterface and have BaseObject as a virtual base.
template <class T> struct PluginClass {
    // No name: a new object, returned as itself. A name: the new object's part
    // for it, or null (the object is destroyed again).
    static void* Create(const char* name) {
        T* object = new T;
        if (!name)
            return object;
        void* part = object->FindInterface(name);
        if (!part)
            delete static_cast<BaseObject*>(object);
        return part;
    }

    static bool Supports(const char* name) {
        T* object = new T;
        bool answered = object->FindInterface(name) != nullptr;
        delete static_cast<BaseObject*>(object);
        return answered;
    }
};

// In the class: CORVANE_DECLARE_CLASS(); in its source file a registration,
// which builds the record when the library is loaded: CORVANE_REGISTER_CLASS
// below, or CORVANE_REGISTER_SINGLE_INSTANCE_CLASS (SingleInstancePluginClass.h).
#define CORVANE_DECLARE_CLASS()                                                                    \
    const RTTIClass* GetClass() const override;                                                    \
    static ClassRecord s_classRecord

#define CORVANE_REGISTER_CLASS_WITH(Class, Kind)                                                   \
    ClassRecord Class::s_classRecord(#Class, &Kind<Class>::Create, &Kind<Class>::Supports);        \
    const RTTIClass* Class::GetClass() const {                                                     \
        return s_classRecord.Get();                                                                \
    }

#define CORVANE_REGISTER_CLASS(Class) CORVANE_REGISTER_CLASS_WITH(Class, PluginClass)
