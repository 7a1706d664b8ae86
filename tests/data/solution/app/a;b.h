// a;b
int ab;
