// Every message box of a module behind one replaceable handler: the command line prints them, tests answer them.
#include "MessageBoxSeam.h"

#include <atomic>

namespace
{

int SystemMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type)
{
    return MessageBoxA(owner, text.c_str(), caption.c_str(), type);
}

std::atomic<MessageBoxHandler> currentHandler{&SystemMessageBox};

} // namespace

int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type)
{
    return currentHandler.load()(owner, text, caption, type);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler)
{
    return currentHandler.exchange(handler ? handler : &SystemMessageBox);
}
