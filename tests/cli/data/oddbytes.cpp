/* bytes that text mode would change: ща  */
int a = 1;
char s[] = "xy";
	int b=a+1;  
int c;