// calc.cpp : a four-function calculator on the command line.
//
#include <stdio.h>
#include "calc.h"
#include "parser.h"

/* Reads one expression per line and prints its value,
   until the end of the input. */
int main(int argc, char* argv[])
{
char line[256];
while (fgets(line, sizeof(line), stdin))
{
double value;
if (ParseExpression(line, &value))
printf("%g\n", value);
else
printf("error: %s", line);   // keep going after a bad line
}
return 0;
}
