#pragma once
// Reference counting and QueryInterface for an object offering one interface.
#include "Unknown.h"

#include <atomic>

template <class Interface, const IID& InterfaceId>
class ComObject : public Interface {
public:
    HRESULT QueryInterface(REFIID riid, void** ppvObject) override
    {
        if (ppvObject == nullptr)
            return E_POINTER;
        *ppvObject = nullptr;
        if (!(riid == IID_IUnknown || riid == InterfaceId))
            return E_NOINTERFACE;
        *ppvObject = static_cast<Interface*>(this);
        AddRef();
        return S_OK;
    }
    ULONG AddRef() override { return ++m_refs; }
    ULONG Release() override
    {
        const ULONG left = --m_refs;
        if (left == 0)
            delete this;
        return left;
    }

protected:
    virtual ~ComObject() = default;

private:
    std::atomic<ULONG> m_refs{1};
};
