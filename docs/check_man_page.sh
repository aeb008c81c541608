#!/bin/sh
# Checks the brevant-cli manual page: it formats without a warning and lists every option the
# program offers (taken from its own --help and that of its nest command).
# Usage: check_man_page.sh brevant-cli.1 brevant-cli groff
set -u
page=$1 cli=$2 groff=$3
for tool in "$groff"; do
  command -v "$tool" >/dev/null || { echo "missing tool: $tool (scripts/setup-deps installs it)"; exit 1; }
done
fail=0
warnings=$("$groff" -man -Tutf8 -ww -z "$page" 2>&1)
if [ -n "$warnings" ]; then
  echo "groff warns about $page:"; echo "$warnings"; fail=1
fi
text=$("$groff" -man -Tascii "$page" 2>/dev/null | sed 's/.\x08//g')
for option in $({ "$cli" --help; "$cli" nest --help; } | grep -o -- '--[a-z][a-z-]*' | sort -u); do
  case "$text" in *"$option"*) ;; *) echo "the manual page lacks $option"; fail=1 ;; esac
done
exit $fail
