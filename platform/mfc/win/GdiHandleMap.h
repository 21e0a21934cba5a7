// The handle maps behind FromHandle of drawing objects and menus: per thread,
// a permanent part (objects that Attach made, not owned) and a temporary part
// (objects made on demand, owned, released by DeleteTemp without touching
// their handles).
#pragma once

#include <afxwin.h>

#include <map>
#include <memory>

template <class T, class H> class CGdiHandleMap {
public:
    // pfnNew makes the temporary object for a handle; pfnSetHandle puts a
    // handle into an object or takes it out (NULL).
    CGdiHandleMap(T* (*pfnNew)(H), void (*pfnSetHandle)(T*, H))
        : m_pfnNew(pfnNew), m_pfnSetHandle(pfnSetHandle) {}
    ~CGdiHandleMap() { DeleteTemp(); }
    CGdiHandleMap(const CGdiHandleMap&) = delete;
    CGdiHandleMap& operator=(const CGdiHandleMap&) = delete;

    T* FromHandle(H h) {
        if (h == NULL)
            return NULL;
        auto perm = m_permanent.find(h);
        if (perm != m_permanent.end())
            return perm->second;
        std::unique_ptr<T>& temp = m_temporary[h];
        if (!temp) {
            temp.reset(m_pfnNew(h));
            m_pfnSetHandle(temp.get(), h);
        }
        return temp.get();
    }
    void SetPermanent(H h, T* pObject) { m_permanent[h] = pObject; }
    void RemoveHandle(H h) { m_permanent.erase(h); }
    void DeleteTemp() {
        for (auto& entry : m_temporary)
            m_pfnSetHandle(entry.second.get(), NULL);
        m_temporary.clear();
    }

private:
    T* (*m_pfnNew)(H);
    void (*m_pfnSetHandle)(T*, H);
    std::map<H, T*> m_permanent;
    std::map<H, std::unique_ptr<T>> m_temporary;
};
