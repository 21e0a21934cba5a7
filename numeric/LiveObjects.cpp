#include "LiveObjects.h"

#include <mutex>
#include <unordered_set>

namespace {

// Objects may be made and destroyed on more than one thread (each with its
// own windows), so the set is guarded.
struct Registry {
    std::mutex lock;
    std::unordered_set<const void*> objects;
};

// Made at the first object's construction, so it outlives every object.
Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

} // namespace

void LiveObjects::Add(CObject* pObject) {
    Registry& r = TheRegistry();
    std::lock_guard<std::mutex> guard(r.lock);
    r.objects.insert(pObject);
}

void LiveObjects::Remove(CObject* pObject) {
    Registry& r = TheRegistry();
    std::lock_guard<std::mutex> guard(r.lock);
    r.objects.erase(pObject);
}

CObject* LiveObjects::Find(const void* p) {
    Registry& r = TheRegistry();
    std::lock_guard<std::mutex> guard(r.lock);
    if (r.objects.count(p) == 0)
        return NULL;
    return static_cast<CObject*>(const_cast<void*>(p));
}

BOOL LiveObjects::LookupSender(WPARAM wParam, CObject*& pSender) {
    const void* p = reinterpret_cast<const void*>(wParam);
    pSender = p != NULL ? Find(p) : NULL;
    return p == NULL || pSender != NULL;
}
