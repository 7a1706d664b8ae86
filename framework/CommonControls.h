#pragma once

// Registers the common-control classes the system's dialogs use (progress
// bar, tabs of property sheets). Safe to call any number of times.
void InitCommonControlClasses();
