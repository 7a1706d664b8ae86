#ifndef MATHUTIL_H
#define MATHUTIL_H

#ifdef __cplusplus
extern "C" {
#endif

/* Division that gives 0 instead of infinity for a zero divisor. */
double SafeDivide(double a, double b);

#ifdef __cplusplus
}
#endif

#endif
