// The DDE server that answers the shell's open and print requests to a program already running.
#include "DdeServer.h"

namespace
{

CDdeServer* g_server = nullptr;
const char kSystemTopic[] = "System";

} // namespace

CDdeServer::~CDdeServer()
{
    if (!m_instance)
        return;
    DdeNameService(m_instance, m_service, nullptr, DNS_UNREGISTER);
    DdeFreeStringHandle(m_instance, m_service);
    DdeFreeStringHandle(m_instance, m_topic);
    DdeUninitialize(m_instance);
    g_server = nullptr;
}

bool CDdeServer::Start(const std::string& service, Execute execute)
{
    if (g_server || DdeInitializeA(&m_instance, &CDdeServer::Callback, APPCLASS_STANDARD | CBF_SKIP_ALLNOTIFICATIONS,
                                   0) != DMLERR_NO_ERROR)
        return false;
    g_server = this;
    m_execute = std::move(execute);
    m_service = DdeCreateStringHandleA(m_instance, service.c_str(), CP_WINANSI);
    m_topic = DdeCreateStringHandleA(m_instance, kSystemTopic, CP_WINANSI);
    return DdeNameService(m_instance, m_service, nullptr, DNS_REGISTER) != nullptr;
}

HDDEDATA CALLBACK CDdeServer::Callback(UINT type, UINT, HCONV, HSZ topic, HSZ item, HDDEDATA data, ULONG_PTR, ULONG_PTR)
{
    CDdeServer* self = g_server;
    if (!self)
        return nullptr;
    switch (type)
    {
    case XTYP_CONNECT:
        return reinterpret_cast<HDDEDATA>(static_cast<ULONG_PTR>(DdeCmpStringHandles(topic, self->m_topic) == 0 &&
                                                                 DdeCmpStringHandles(item, self->m_service) == 0));
    case XTYP_EXECUTE:
    {
        const DWORD size = DdeGetData(data, nullptr, 0, 0);
        std::string command(size, '\0');
        DdeGetData(data, reinterpret_cast<BYTE*>(&command[0]), size, 0);
        command.resize(command.find('\0') == std::string::npos ? command.size() : command.find('\0'));
        return reinterpret_cast<HDDEDATA>(
            static_cast<ULONG_PTR>(self->m_execute(command) ? DDE_FACK : DDE_FNOTPROCESSED));
    }
    default:
        return nullptr;
    }
}
