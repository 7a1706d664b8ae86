int old_c; /* c */

