#ifndef CALC_H
#define CALC_H

/* Largest expression the calculator reads. */
#define CALC_MAX_LINE 256

#endif
