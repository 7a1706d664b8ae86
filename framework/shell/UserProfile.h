#pragma once

#include <string>

// The user's profile of a program: numbers kept section by section under the
// current user's key Software\company\application name.
class CUserProfile
{
public:
    explicit CUserProfile(std::string appName) : m_appName(std::move(appName)) {}

    void SetCompany(const std::string& company) { m_company = company; }
    std::string Key() const;

    // fallback when the number is missing or is not a number.
    int GetInt(const std::string& section, const std::string& entry, int fallback) const;
    void WriteInt(const std::string& section, const std::string& entry, int value);

private:
    std::string m_appName;
    std::string m_company;
};
