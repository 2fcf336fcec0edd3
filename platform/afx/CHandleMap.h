// The framework's map from handles to the objects that stand for them. An object that
// attached a handle is its permanent object until it detaches it; any other handle gets a
// temporary object on request, owned by the map. Temporary objects made while a message is
// being handled (the maps locked) go when the outermost message returns, so that none
// outlives its handle for long; nothing may keep a pointer to one beyond that. Those made
// outside any message live until AfxDeleteTempMaps. Used for windows, menus, device
// contexts and GDI objects; handles are never dereferenced here.
#pragma once

#include <algorithm>
#include <memory>
#include <unordered_map>
#include <vector>

class CHandleMapBase {
public:
    CHandleMapBase(const CHandleMapBase&) = delete;
    CHandleMapBase& operator=(const CHandleMapBase&) = delete;

    // Frees the temporary objects of every map made while locked, or all of them.
    static void DeleteTemps(bool all) {
        for (CHandleMapBase* map : Maps()) {
            map->DeleteTemp(all);
        }
    }
    inline static thread_local int s_lock = 0;

protected:
    CHandleMapBase() { Maps().push_back(this); }
    virtual ~CHandleMapBase() { std::erase(Maps(), this); }
    virtual void DeleteTemp(bool all) = 0;

private:
    static std::vector<CHandleMapBase*>& Maps() {
        static std::vector<CHandleMapBase*> maps;
        return maps;
    }
};

// Held while a message is handled; the last unlock frees that message's temporary objects.
inline void AfxLockTempMaps() {
    ++CHandleMapBase::s_lock;
}
inline void AfxUnlockTempMaps() {
    if (--CHandleMapBase::s_lock == 0) {
        CHandleMapBase::DeleteTemps(false);
    }
}
// Frees every temporary object, those made outside any message included; their handles stay.
inline void AfxDeleteTempMaps() {
    CHandleMapBase::DeleteTemps(true);
}

template <class Handle, class Wrapper> class CHandleMap : public CHandleMapBase {
public:
    // Makes a temporary object holding the handle; Release makes an object let go of its
    // handle, so that deleting it leaves the handle alone. Kind tells handles apart that
    // need objects of different classes (nullptr when one class serves all).
    using MakeProc = std::unique_ptr<Wrapper> (*)(Handle handle);
    using ReleaseProc = void (*)(Wrapper& wrapper);
    using KindProc = unsigned long (*)(Handle handle);

    CHandleMap(MakeProc make, ReleaseProc release, KindProc kind = nullptr)
        : m_make(make), m_release(release), m_kind(kind) {}
    // The handles outlive the map (the program is ending): the objects only let go of them.
    ~CHandleMap() override {
        for (auto& [handle, wrapper] : m_permanent) {
            m_release(*wrapper);
        }
        DeleteTemp(true);
    }

    // The permanent object, else the temporary one (made now if needed); nullptr for null.
    // A temporary object of another kind of handle (the address was used again) is replaced.
    Wrapper* FromHandle(Handle handle) {
        if (!handle) {
            return nullptr;
        }
        if (Wrapper* permanent = LookupPermanent(handle)) {
            return permanent;
        }
        const unsigned long kind = m_kind != nullptr ? m_kind(handle) : 0;
        for (auto* temporaries : {&m_temporary, &m_loose}) {
            const auto it = temporaries->find(handle);
            if (it != temporaries->end() && it->second.kind == kind) {
                return it->second.wrapper.get();
            }
            if (it != temporaries->end()) {
                Retire(*temporaries, it);
            }
        }
        Temporary& made = (s_lock > 0 ? m_temporary : m_loose)[handle];
        made = {m_make(handle), kind};
        return made.wrapper.get();
    }
    Wrapper* LookupPermanent(Handle handle) const {
        const auto it = m_permanent.find(handle);
        return it != m_permanent.end() ? it->second : nullptr;
    }
    // Makes the object the handle's permanent one.
    void SetPermanent(Handle handle, Wrapper* wrapper) {
        if (handle && wrapper) {
            m_permanent.insert_or_assign(handle, wrapper);
        }
    }
    // Takes the object out of the map, permanent or temporary, as it detaches its handle.
    void RemoveHandle(Handle handle, const Wrapper* wrapper) {
        if (const auto it = m_permanent.find(handle);
            it != m_permanent.end() && it->second == wrapper) {
            m_permanent.erase(it);
        }
        for (auto* temporaries : {&m_temporary, &m_loose}) {
            const auto it = temporaries->find(handle);
            if (it != temporaries->end() && it->second.wrapper.get() == wrapper) {
                Retire(*temporaries, it);
            }
        }
    }

private:
    struct Temporary {
        std::unique_ptr<Wrapper> wrapper;
        unsigned long kind = 0;
    };
    using Temporaries = std::unordered_map<Handle, Temporary>;

    // Out of the map, but kept until the temporaries go: it may be running.
    void Retire(Temporaries& temporaries, typename Temporaries::iterator it) {
        m_release(*it->second.wrapper);
        m_retired.push_back(std::move(it->second.wrapper));
        temporaries.erase(it);
    }

    void DeleteTemp(bool all) override {
        for (auto* temporaries : {&m_temporary, &m_loose}) {
            if (temporaries == &m_loose && !all) {
                continue;
            }
            for (auto& [handle, temporary] : *temporaries) {
                m_release(*temporary.wrapper);
            }
            temporaries->clear();
        }
        m_retired.clear();
    }

    MakeProc m_make;
    ReleaseProc m_release;
    KindProc m_kind;
    std::unordered_map<Handle, Wrapper*> m_permanent;
    Temporaries m_temporary; // made while a message is handled
    Temporaries m_loose;     // made outside any message
    std::vector<std::unique_ptr<Wrapper>> m_retired;
};
