#pragma once

#include "framework/PluginClass.h"

// A class with one recorded object. Nothing here releases it: the host keeps
// it alive from start-up to shut-down.
template <class T> struct SingleInstancePluginClass {
    static inline T* s_pInstance = nullptr;

    static void* Create(const char* name) {
        if (!name) {
            s_pInstance = new T;
            return s_pInstance;
        }
        if (s_pInstance)
            return s_pInstance->FindInterface(name);
        s_pInstance = new T;
        void* part = s_pInstance->FindInterface(name);
        if (!part) {
            delete static_cast<BaseObject*>(s_pInstance);
            s_pInstance = nullptr;
        }
        return part;
    }

    // A temporary object of its own; the record is never touched.
    static bool Supports(const char* name) { return PluginClass<T>::Supports(name); }
};

#define CORVANE_REGISTER_SINGLE_INSTANCE_CLASS(Class)                                              \
    CORVANE_REGISTER_CLASS_WITH(Class, SingleInstancePluginClass)
