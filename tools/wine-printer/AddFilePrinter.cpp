// Gives a Wine prefix a PostScript printer whose jobs go to a shell command:
// Wine's own PostScript driver with the generic printer description that
// winspool.drv carries, on a port of its own that Wine's spooler maps to the
// command. The printer becomes the default one. Running it again replaces
// the command. Usage: add-file-printer NAME PORT "|COMMAND"
#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace
{

std::wstring Wide(const char* text)
{
    std::wstring wide;
    for (; *text; ++text)
        wide += static_cast<unsigned char>(*text);
    return wide;
}

int Fail(const char* step)
{
    std::fprintf(stderr, "add-file-printer: %s failed (error %lu)\n", step, GetLastError());
    return 1;
}

struct KeyCloser
{
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using Key = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

struct PrinterCloser
{
    void operator()(HANDLE printer) const { ClosePrinter(printer); }
};
using Printer = std::unique_ptr<void, PrinterCloser>;

struct FileCloser
{
    void operator()(HANDLE file) const { CloseHandle(file); }
};
using File = std::unique_ptr<void, FileCloser>;

bool SetString(HKEY root, const wchar_t* path, const std::wstring& name, const std::wstring& value)
{
    HKEY raw = nullptr;
    if (RegCreateKeyExW(root, path, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &raw, nullptr) != ERROR_SUCCESS)
        return false;
    Key key(raw);
    return RegSetValueExW(key.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

BOOL CALLBACK TakeFirstName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found)
{
    auto& result = *reinterpret_cast<std::wstring*>(found);
    result = IS_INTRESOURCE(name) ? L"#" + std::to_wstring(reinterpret_cast<ULONG_PTR>(name)) : name;
    return FALSE;
}

// Copies the generic printer description out of winspool.drv into the
// printer driver folder; returns its path, empty on failure.
std::wstring WriteGenericDescription(const std::wstring& name)
{
    HMODULE spooler = GetModuleHandleW(L"winspool.drv");
    std::wstring resource;
    EnumResourceNamesW(spooler, L"PPDFILE", TakeFirstName, reinterpret_cast<LONG_PTR>(&resource));
    HRSRC found = resource.empty() ? nullptr : FindResourceW(spooler, resource.c_str(), L"PPDFILE");
    HGLOBAL loaded = found ? LoadResource(spooler, found) : nullptr;
    if (!loaded)
        return L"";
    wchar_t folder[MAX_PATH];
    DWORD needed = 0;
    if (!GetPrinterDriverDirectoryW(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(folder), sizeof folder, &needed))
        return L"";
    const std::wstring path = std::wstring(folder) + L"\\" + name + L".ppd";
    File file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE)
    {
        file.release();
        return L"";
    }
    DWORD written = 0;
    const DWORD size = SizeofResource(spooler, found);
    const bool ok = WriteFile(file.get(), LockResource(loaded), size, &written, nullptr) && written == size;
    return ok ? path : L"";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4 || argv[3][0] != '|')
    {
        std::fprintf(stderr, "usage: add-file-printer NAME PORT \"|COMMAND\"\n");
        return 2;
    }
    std::wstring name = Wide(argv[1]), port = Wide(argv[2]), command = Wide(argv[3]);

    if (!SetString(HKEY_CURRENT_USER, L"Software\\Wine\\Printing\\Spooler", port, command))
        return Fail("mapping the port to the command");
    if (!SetString(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Ports", port, L""))
        return Fail("adding the port");

    HANDLE opened = nullptr;
    const bool exists = OpenPrinterW(&name[0], &opened, nullptr);
    Printer existing(exists ? opened : nullptr);
    if (!exists)
    {
        std::wstring description = WriteGenericDescription(name);
        if (description.empty())
            return Fail("copying the generic printer description");
        std::wstring driverFile = L"wineps.drv";
        DRIVER_INFO_3W driver = {};
        driver.cVersion = 3;
        driver.pName = &name[0];
        driver.pDriverPath = &driverFile[0];
        driver.pDataFile = &description[0];
        driver.pConfigFile = &driverFile[0];
        if (!AddPrinterDriverExW(nullptr, 3, reinterpret_cast<BYTE*>(&driver), APD_COPY_NEW_FILES))
            return Fail("adding the driver");

        std::wstring processor = L"WinPrint", datatype = L"RAW";
        PRINTER_INFO_2W printer = {};
        printer.pPrinterName = &name[0];
        printer.pPortName = &port[0];
        printer.pDriverName = &name[0];
        printer.pPrintProcessor = &processor[0];
        printer.pDatatype = &datatype[0];
        Printer added(AddPrinterW(nullptr, 2, reinterpret_cast<BYTE*>(&printer)));
        if (!added)
            return Fail("adding the printer");
    }
    if (!SetDefaultPrinterW(name.c_str()))
        return Fail("making it the default printer");
    return 0;
}
