#pragma once

// Registers the common-control classes the system's windows use (progress
// bar, tabs of property sheets, tree views and headers). Safe to call any
// number of times.
void InitCommonControlClasses();
