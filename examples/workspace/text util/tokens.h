// tokens.h : what counts as part of a word
int IsTokenChar(int c);
