// The recently opened files, kept in the user's profile and shown in the File menu.
#include "RecentFileList.h"

#include "SECRegistry.h"
#include "StandardIds.h"

#include <algorithm>

namespace
{

std::string ValueName(std::size_t index)
{
    return "File" + std::to_string(index + 1);
}

bool SamePath(const std::string& a, const std::string& b)
{
    return a.size() == b.size() &&
           CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), static_cast<int>(a.size()), b.c_str(),
                          static_cast<int>(b.size())) == CSTR_EQUAL;
}

} // namespace

CRecentFileList::CRecentFileList(std::string keyPath, std::size_t size)
    : m_keyPath(std::move(keyPath)), m_size(std::min<std::size_t>(size, ID_FILE_MRU_LAST - ID_FILE_MRU_FIRST + 1))
{
}

void CRecentFileList::Load()
{
    m_files.clear();
    SECRegistry registry;
    if (!registry.Connect(HKEY_CURRENT_USER) || !registry.Open(m_keyPath.c_str(), KEY_READ))
        return;
    for (std::size_t index = 0; index < m_size; ++index)
    {
        char path[MAX_PATH + 1] = {};
        DWORD type = 0;
        DWORD size = MAX_PATH;
        if (registry.QueryValue(ValueName(index).c_str(), type, reinterpret_cast<BYTE*>(path), size) &&
            type == REG_SZ && path[0])
            m_files.push_back(path);
    }
}

void CRecentFileList::Add(const std::string& path)
{
    m_files.erase(
        std::remove_if(m_files.begin(), m_files.end(), [&](const std::string& file) { return SamePath(file, path); }),
        m_files.end());
    m_files.insert(m_files.begin(), path);
    if (m_files.size() > m_size)
        m_files.resize(m_size);
    Save();
}

void CRecentFileList::Remove(std::size_t index)
{
    if (index >= m_files.size())
        return;
    m_files.erase(m_files.begin() + static_cast<std::ptrdiff_t>(index));
    Save();
}

void CRecentFileList::Save() const
{
    SECRegistry registry;
    if (!registry.Connect(HKEY_CURRENT_USER) || !registry.Create(m_keyPath.c_str(), KEY_ALL_ACCESS))
        return;
    for (std::size_t index = 0; index < m_size; ++index)
    {
        const std::string name = ValueName(index);
        if (index < m_files.size())
            registry.SetValue(name.c_str(), REG_SZ, reinterpret_cast<const BYTE*>(m_files[index].c_str()),
                              static_cast<DWORD>(m_files[index].size() + 1));
        else
            registry.DeleteValue(name.c_str());
    }
}

void CRecentFileList::UpdateMenu(HMENU popup) const
{
    int position = -1;
    for (int index = GetMenuItemCount(popup) - 1; index >= 0; --index)
    {
        const UINT id = GetMenuItemID(popup, index);
        if (id >= ID_FILE_MRU_FIRST && id <= ID_FILE_MRU_LAST)
        {
            DeleteMenu(popup, index, MF_BYPOSITION);
            position = index;
        }
    }
    if (position < 0)
        return;
    if (m_files.empty())
    {
        InsertMenuA(popup, position, MF_BYPOSITION | MF_STRING | MF_GRAYED, ID_FILE_MRU_FIRST, "Recent File");
        return;
    }
    for (std::size_t index = 0; index < m_files.size(); ++index)
    {
        // Ampersands in a path would turn into access keys.
        std::string path;
        for (char c : m_files[index])
            path += c == '&' ? std::string("&&") : std::string(1, c);
        // The tenth entry's access key is its 0.
        const std::string number = index < 9 ? "&" + std::to_string(index + 1) : "1&0";
        const std::string text = number + " " + path;
        InsertMenuA(popup, position + static_cast<int>(index), MF_BYPOSITION | MF_STRING, ID_FILE_MRU_FIRST + index,
                    text.c_str());
    }
}
