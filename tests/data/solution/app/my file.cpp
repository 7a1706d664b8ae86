int blank;
// named with a blank
