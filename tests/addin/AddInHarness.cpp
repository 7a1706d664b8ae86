#include "AddInHarness.h"

#include "AnsiText.h"

namespace
{
const ScriptedSeam addInBoxes(&SetAddInMessageBoxHandler);
}

void AddInTest::SetUp()
{
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    m_module = GetModuleHandleA("QLAddIn.dll");
    ASSERT_NE(m_module, nullptr);
    ASSERT_EQ(Register(), S_OK);
    *&host = new CHostApplication(log);
}

void AddInTest::TearDown()
{
    if (addIn)
        addIn->OnDisconnection(VARIANT_TRUE);
    addIn.Release();
    // The host lets go of the command object, which holds the host.
    if (host)
        host->commandObject.Release();
    host.Release();
    CoUninitialize();
}

CComPtr<IDSAddIn> AddInTest::CreateAddIn() const
{
    CLSID classId{};
    CComPtr<IDSAddIn> created;
    if (SUCCEEDED(CLSIDFromProgID(L"QLAddIn.DSAddIn.1", &classId)))
        CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IDSAddIn, created.OutVoid());
    return created;
}

VARIANT_BOOL AddInTest::Connect(VARIANT_BOOL firstTime)
{
    addIn = CreateAddIn();
    VARIANT_BOOL connected = 2;
    if (!addIn || FAILED(addIn->OnConnection(host.Get(), firstTime, 77, &connected)))
        ADD_FAILURE() << "the add-in could not be created and connected";
    return connected;
}
