// deep
int deep;
