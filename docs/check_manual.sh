#!/bin/sh
# Checks the printed user manual: a sound PDF of some length with the dimension pictures, that
# names every layout type and every option brevant-cli offers (taken from its own --help and
# that of its nest command).
# Usage: check_manual.sh BrevantHelp.pdf brevant-cli qpdf pdftotext
set -u
pdf=$1 cli=$2 qpdf=$3 pdftotext=$4
min_pages=20
for tool in "$qpdf" "$pdftotext"; do
  command -v "$tool" >/dev/null || { echo "missing tool: $tool (scripts/setup-deps installs it)"; exit 1; }
done
fail=0

[ -s "$pdf" ] || { echo "missing or empty: $pdf"; exit 1; }
"$qpdf" --check "$pdf" >/dev/null || { echo "qpdf --check failed on $pdf"; exit 1; }
pages=$("$qpdf" --show-npages "$pdf") || exit 1
if [ "$pages" -le "$min_pages" ]; then
  echo "the manual has $pages pages, expected more than $min_pages"
  fail=1
fi

# The four dimension pictures (pdfimages comes with pdftotext).
pdfimages=$(dirname "$pdftotext")/pdfimages
pictures=$("$pdfimages" -list "$pdf" | awk 'NR > 2 && $3 == "image"' | wc -l)
if [ "$pictures" -lt 4 ]; then
  echo "the manual holds $pictures pictures, expected the 4 dimension pictures"
  fail=1
fi

# The text with line breaks and runs of blanks made single blanks.
text=$("$pdftotext" -enc UTF-8 "$pdf" - | tr '\n\t' '  ' | tr -s ' ')
has() { case "$text" in *"$1"*) return 0 ;; esac; return 1; }

for name in "Cone" "Square to Round" "Spiral Flight" "Pipe Intersection" "Cylinder"; do
  has "$name" || { echo "the manual does not name the layout type \"$name\""; fail=1; }
done

help=$("$cli" --help && "$cli" nest --help) || { echo "brevant-cli --help failed"; exit 1; }
options=$(printf '%s\n' "$help" | grep -o -- '--[a-z][a-z-]*' | sort -u)
[ -n "$options" ] || { echo "no options found in brevant-cli --help"; exit 1; }
for option in $options; do
  has "$option" || { echo "the manual does not describe the option $option"; fail=1; }
done
# The values of the choice options (layout types, units) as --help lists them.
values=$(printf '%s\n' "$help" | grep -o '{[^}]*}' | tr -d '{}' | tr ',' '\n' | grep '^[a-z]')
for value in $values; do
  has "$value" || { echo "the manual does not mention the value $value"; fail=1; }
done

[ "$fail" -eq 0 ] && echo "manual: $pages pages, all layout types and options covered"
exit $fail
