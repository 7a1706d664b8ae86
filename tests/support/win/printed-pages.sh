# Sourced by the print tests: the pages of a PostScript job as text, once
# the spooler has written all of it (it writes when the document ends). The
# driver draws spaces as no-break spaces, so only words are kept.
printed_pages() {
  for _ in $(seq 50); do
    grep -q '%%EOF' "$1" 2>/dev/null && break
    sleep 0.2
  done
  gs -q -dNOPAUSE -dBATCH -sDEVICE=txtwrite -sOutputFile=- "$1" | sed 's/\xc2\xa0/ /g; s/\r//; s/  */ /g; s/^ //; s/ $//'
}
