#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

// A menu loaded from resources, destroyed with its owner. A window destroys
// the menu it shows, so its frame takes the menu off before it goes.
struct MenuDestroyer
{
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using MenuHandle = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDestroyer>;
