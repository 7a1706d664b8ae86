#pragma once

// Loads the test build of the add-in, registers it, records its help viewer
// and shell requests, and creates and connects add-in objects to a host
// double. Its message boxes are scripted with the program's own.

#include "AddInSeams.h"
#include "ComPtr.h"
#include "DevStudio.h"
#include "HostObjects.h"
#include "QLAddIn.h"
#include "win/HelpRequests.h"
#include "win/MessageBoxScript.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class AddInTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    HMODULE Module() const { return m_module; }
    template <class Export> Export Find(const char* name) const
    {
        return reinterpret_cast<Export>(reinterpret_cast<void*>(GetProcAddress(m_module, name)));
    }
    HRESULT Register() const { return Find<HRESULT(WINAPI*)()>("DllRegisterServer")(); }
    HRESULT Unregister() const { return Find<HRESULT(WINAPI*)()>("DllUnregisterServer")(); }
    HRESULT CanUnloadNow() const { return Find<HRESULT(WINAPI*)()>("DllCanUnloadNow")(); }
    HRESULT GetClassObject(REFCLSID classId, REFIID iid, void** object) const
    {
        return Find<HRESULT(WINAPI*)(REFCLSID, REFIID, void**)>("DllGetClassObject")(classId, iid, object);
    }

    // A new add-in object, created by ProgID as the host creates it.
    CComPtr<IDSAddIn> CreateAddIn() const;
    // Connects a new add-in object to the host; the outcome is the out flag.
    VARIANT_BOOL Connect(VARIANT_BOOL firstTime);

    HostLog log;
    HelpRequests help{&SetAddInHelpViewer, &SetAddInShellOpenHandler};
    CComPtr<CHostApplication> host;
    CComPtr<IDSAddIn> addIn;

private:
    HMODULE m_module = nullptr;
};
