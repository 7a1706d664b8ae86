/*
 * wordcount.c : counts the words of its input.
 */
#include <stdio.h>
#include <ctype.h>
#include "tokens.h"

int main(void)
{
  long words = 0;
  int c, inWord = 0;
  while ((c = getchar()) != EOF) {
    if (IsTokenChar(c)) {
      if (!inWord) words++;   /* a new word starts */
      inWord = 1;
    } else
      inWord = 0;
  }
  printf("%ld\n", words);
  return 0;
}
