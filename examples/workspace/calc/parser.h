#ifndef PARSER_H
#define PARSER_H

// Evaluates text such as "1 + 2 * 3"; returns 0 on a syntax error.
int ParseExpression(const char* text, double* value);

#endif
