#pragma once

#include <windows.h>

#include <ddeml.h>

#include <functional>
#include <string>

// Answers the shell's DDE requests to a running program: the service is the
// program's name, the topic "System", and each execute request's text is
// handed to the program. One server per process.
class CDdeServer
{
public:
    // Returns true when the command was carried out.
    using Execute = std::function<bool(const std::string& command)>;

    CDdeServer() = default;
    ~CDdeServer();
    CDdeServer(const CDdeServer&) = delete;
    CDdeServer& operator=(const CDdeServer&) = delete;

    bool Start(const std::string& service, Execute execute);

private:
    static HDDEDATA CALLBACK Callback(UINT type, UINT format, HCONV conversation, HSZ topic, HSZ item, HDDEDATA data,
                                      ULONG_PTR, ULONG_PTR);

    DWORD m_instance = 0;
    HSZ m_service = nullptr;
    HSZ m_topic = nullptr;
    Execute m_execute;
};
