// Inline helpers for C++ callers.
inline double Half(double x)
{
return SafeDivide(x, 2.0);
}
