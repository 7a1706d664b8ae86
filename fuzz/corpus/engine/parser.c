#include <stdlib.h>
#include "parser.h"
#include "../shared/mathutil.h"

static const char* SkipBlanks(const char* p)
{
    while (*p == ' ' || *p == '\t')
        p++;
    return p;
}

/* term := number { ('*' | '/') number } */
static int ParseTerm(const char** p, double* value)
{
    char* end;
    *value = strtod(*p, &end);
    if (end == *p) return 0;
    *p = SkipBlanks(end);
    while (**p == '*' || **p == '/')
    {
        char op = **p;
        double right;
        *p = SkipBlanks(*p + 1);
        right = strtod(*p, &end);
        if (end == *p) return 0;
        *value = op == '*' ? *value * right : SafeDivide(*value, right);
        *p = SkipBlanks(end);
    }
    return 1;
}

int ParseExpression(const char* text, double* value)
{
    const char* p = SkipBlanks(text);
    if (!ParseTerm(&p, value)) return 0;
    while (*p == '+' || *p == '-')
    {
        char op = *p;
        double right;
        p = SkipBlanks(p + 1);
        if (!ParseTerm(&p, &right)) return 0;
        *value = op == '+' ? *value + right : *value - right;
    }
    return *p == '\n' || *p == '\0';
}
