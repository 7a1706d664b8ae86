#include "mathutil.h"

double SafeDivide(double a, double b)
{
    if (b == 0.0)
        return 0.0; // callers treat 0 as "no value"
    return a / b;
}
