/* café */
int cafe;
int more;
