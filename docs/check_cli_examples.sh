#!/bin/sh
# Runs every brevant-cli command that the user manual and the manual page show, in a scratch
# folder holding the examples, and checks that each succeeds and writes the files it names.
# Usage: check_cli_examples.sh brevant-cli EXAMPLES_DIR MANUAL_CHAPTER.md MAN_PAGE.1
set -u
cli=$1 examples=$2 chapter=$3 manpage=$4
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
cp -R "$examples" "$work/examples"
# The settings file the examples refer to: A4 landscape.
printf '[Brevant]\nPDFSize=5\nPDFOrientation=2\n' >"$work/Brevant.ini"
mkdir "$work/bin" && ln -s "$cli" "$work/bin/brevant-cli"

# Commands of the Markdown code blocks and of the man page's .EX blocks, continuation lines
# joined, one command a line.
commands=$(
  {
    awk '/^```/ { code = !code; next } code' "$chapter"
    awk '/^\.EX/ { ex = 1; next } /^\.EE/ { ex = 0 } ex' "$manpage" |
      sed -e 's/\\-/-/g' -e 's/\\e/\\/g'
  } | sed -e ':a' -e '/\\$/{N;s/\\\n[[:space:]]*/ /;ba' -e '}' |
    grep '^brevant-cli ' | grep -v '\[OPTIONS\]'
)
[ -n "$commands" ] || { echo "no brevant-cli commands found"; exit 1; }

fail=0 count=0
while IFS= read -r command; do
  count=$((count + 1))
  rm -rf "$work/out" && mkdir "$work/out"
  (cd "$work" && PATH="$work/bin:$PATH" sh -c "$command" >"$work/out/stdout" 2>"$work/out/stderr")
  status=$?
  if [ "$status" -ne 0 ] || [ -s "$work/out/stderr" ]; then
    echo "FAILED ($status): $command"; cat "$work/out/stderr"; fail=1; continue
  fi
  # Every file an output option names must now exist and hold something.
  for file in $(printf '%s\n' "$command" |
    grep -o -- '--\(save-definition\|flat-cad\|sheet-cad\|report\|cam-dxf\|sheet-cam-dxf\|svg\|pdf\|data-sheet\) [^ ]*' |
    cut -d' ' -f2); do
    [ -s "$work/$file" ] || { echo "NOT WRITTEN: $file by: $command"; fail=1; }
    rm -f "$work/$file"
  done
done <<EOC
$commands
EOC
[ "$fail" -eq 0 ] && echo "all $count example commands ran"
exit $fail
