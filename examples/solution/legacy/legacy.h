/* legacy.h */
int legacy_add(int a, int b);
int legacy_twice(int a);
