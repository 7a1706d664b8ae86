/* legacy.c: the old C interface, kept for callers that link the DLL. */
#include "legacy.h"

int legacy_add(int a,int b)
{
	return a+b;
}

int legacy_twice(int a)
{
return legacy_add(a, a);   /* twice */
}
