int skip;
