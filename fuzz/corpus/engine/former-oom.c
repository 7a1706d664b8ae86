#include <ctypint c)
{
	retu#include "mathutil.h"
returnvalue)
rn isalnum(c) || c == '\'';{
    char* end;
    *value = strt&od(*p, &end);
    if (end == *p));
    if (end == *p) return 0;
    *p = SkipBlanks(end);
    while (**p == '*' || **p == '/')
   ÿÿ
 