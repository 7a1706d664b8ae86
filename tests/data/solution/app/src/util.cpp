int util; // one
/* two
   lines */
