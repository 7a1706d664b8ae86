#include "AddInHarness.h"

#include "AnsiText.h"
#include "ScratchFolder.h"

#include <filesystem>

namespace
{

const char ClassKey[] = "CLSID\\{9D0B833A-8236-4121-A6EB-DD2033B234A0}";
const char TypeLibKey[] = "TypeLib\\{A47A08D6-FC24-49D8-81B2-13FDF6F3F68B}\\1.0";

// The value's text, and its stored size in bytes.
std::pair<std::string, DWORD> Value(const std::string& key, const char* name = nullptr)
{
    char buffer[MAX_PATH * 2] = "";
    DWORD size = sizeof(buffer);
    DWORD type = 0;
    if (RegGetValueA(HKEY_CLASSES_ROOT, key.c_str(), name, RRF_RT_ANY | RRF_NOEXPAND, &type, buffer, &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ)
        return {"<missing>", 0};
    return {buffer, size};
}

std::wstring WideValue(const std::wstring& key)
{
    wchar_t buffer[MAX_PATH * 2] = L"";
    DWORD size = sizeof(buffer);
    if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS)
        return L"<missing>";
    return buffer;
}

// A module loaded from its own file, freed when it goes.
using LoadedModule = std::unique_ptr<std::remove_pointer_t<HMODULE>, decltype(&FreeLibrary)>;

} // namespace

TEST_F(AddInTest, RegistrationFromAFolderNamedOutsideTheAnsiCodePageStoresThePathWhole)
{
    // No ANSI code page holds Japanese, Latin Extended-A and Cyrillic at once.
    ScratchFolder scratch;
    const std::filesystem::path folder = std::filesystem::path(scratch.PathOf("")) / L"\u65E5\u672C\u0100\u0436";
    std::filesystem::create_directories(folder);
    wchar_t loaded[MAX_PATH];
    ASSERT_TRUE(GetModuleFileNameW(Module(), loaded, MAX_PATH));
    const std::wstring copy = (folder / L"QLAddIn.dll").wstring();
    ASSERT_TRUE(CopyFileW(loaded, copy.c_str(), FALSE));
    {
        const LoadedModule module(LoadLibraryW(copy.c_str()), &FreeLibrary);
        ASSERT_TRUE(module);
        ASSERT_NE(module.get(), Module()) << "the copy is a module of its own";
        wchar_t path[MAX_PATH];
        const std::wstring modulePath(path, GetModuleFileNameW(module.get(), path, MAX_PATH));
        ASSERT_NE(modulePath.find(L"\u65E5\u672C\u0100\u0436\\"), std::wstring::npos);
        const auto registerServer = reinterpret_cast<HRESULT(WINAPI*)()>(
            reinterpret_cast<void*>(GetProcAddress(module.get(), "DllRegisterServer")));
        ASSERT_EQ(registerServer(), S_OK);
        EXPECT_EQ(WideValue(FromAnsi(ClassKey) + L"\\InprocServer32"), modulePath);
        EXPECT_EQ(WideValue(FromAnsi(TypeLibKey) + L"\\0\\win32"), modulePath);
    }
    EXPECT_EQ(Register(), S_OK) << "the test build registers itself again";
}

TEST_F(AddInTest, RegistrationWritesEveryKeyAndUnregistrationLeavesOnlyTheTypeLibrary)
{
    char path[MAX_PATH];
    const std::string module(path, GetModuleFileNameA(Module(), path, MAX_PATH));
    const std::string classId = ClassKey + 6;
    const struct
    {
        std::string key;
        const char* name;
        std::string value;
    } expected[] = {
        {"QLAddIn.DSAddIn.1", nullptr, "Quillet Add-in"},
        {"QLAddIn.DSAddIn.1\\CLSID", nullptr, classId},
        {"QLADDIN Developer Studio Add-in", nullptr, "Quillet Add-in"},
        {"QLADDIN Developer Studio Add-in\\CLSID", nullptr, classId},
        {ClassKey, nullptr, "Quillet Add-in"},
        {std::string(ClassKey) + "\\ProgID", nullptr, "QLAddIn.DSAddIn.1"},
        {std::string(ClassKey) + "\\VersionIndependentProgID", nullptr, "QLADDIN Developer Studio Add-in"},
        {std::string(ClassKey) + "\\InprocServer32", nullptr, module},
        {std::string(ClassKey) + "\\InprocServer32", "ThreadingModel", "both"},
        {std::string(ClassKey) + "\\Description", nullptr, "Adds Quillet Commands to Developer Studio"},
        {TypeLibKey, nullptr, "QLADDIN Developer Studio Add-in"},
        {std::string(TypeLibKey) + "\\HELPDIR", nullptr, module.substr(0, module.rfind('\\') + 1)},
    };
    for (const auto& row : expected)
    {
        auto [value, size] = Value(row.key, row.name);
        EXPECT_EQ(value, row.value) << row.key;
        EXPECT_EQ(size, row.value.size() + 1) << row.key << ": the stored length counts the NUL";
    }

    EXPECT_EQ(Unregister(), S_OK);
    for (const char* key : {"QLAddIn.DSAddIn.1", "QLADDIN Developer Studio Add-in", ClassKey})
        EXPECT_EQ(Value(key).first, "<missing>") << key;
    EXPECT_EQ(Value(TypeLibKey).first, "QLADDIN Developer Studio Add-in");
    EXPECT_EQ(Unregister(), S_OK) << "unregistering what is not registered";
    EXPECT_EQ(Register(), S_OK);
}

TEST_F(AddInTest, ClassObjectAndUnloadAnswerEveryCase)
{
    IClassFactory* unused = reinterpret_cast<IClassFactory*>(1);
    EXPECT_EQ(GetClassObject(CLSID_DSAddIn, IID_IClassFactory, nullptr), E_POINTER);
    EXPECT_EQ(GetClassObject(CLSID_Commands, IID_IClassFactory, reinterpret_cast<void**>(&unused)),
              CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(unused, nullptr);

    CComPtr<IClassFactory> first;
    ASSERT_EQ(GetClassObject(CLSID_DSAddIn, IID_IClassFactory, first.OutVoid()), S_OK);
    EXPECT_EQ(CanUnloadNow(), S_FALSE) << "the factory is held";

    CComPtr<IUnknown> object;
    EXPECT_EQ(first->CreateInstance(first.Get(), IID_IUnknown, object.OutVoid()), CLASS_E_NOAGGREGATION);
    EXPECT_FALSE(object);
    EXPECT_EQ(first->CreateInstance(nullptr, IID_IDispatch, object.OutVoid()), E_NOINTERFACE);
    EXPECT_EQ(first->CreateInstance(nullptr, IID_IUnknown, nullptr), E_POINTER);
    EXPECT_EQ(first->LockServer(TRUE), S_OK);
    first.Release();
    EXPECT_EQ(CanUnloadNow(), S_FALSE) << "the server is locked";
    EXPECT_EQ(GetClassObject(CLSID_DSAddIn, IID_IClassFactory, first.OutVoid()), S_OK);
    EXPECT_EQ(first->LockServer(FALSE), S_OK);
    first.Release();
    EXPECT_EQ(CanUnloadNow(), S_OK) << "the refused object is gone";

    addIn = CreateAddIn();
    ASSERT_TRUE(addIn);
    EXPECT_EQ(CanUnloadNow(), S_FALSE) << "an add-in object lives";
    CComPtr<IDispatch> dispatch;
    EXPECT_EQ(addIn.QueryInterface(IID_IDispatch, dispatch), E_NOINTERFACE);
    EXPECT_EQ(addIn->QueryInterface(IID_IUnknown, nullptr), E_POINTER);
    addIn.Release();
    EXPECT_EQ(CanUnloadNow(), S_OK);
}
