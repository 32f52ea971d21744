#!/bin/sh
# The manual page of threadwright-cli names every command, option, environment variable and exit
# code that --help names.
#   manpage-matches-help.sh CLI PAGE
set -eu
help=$(QT_QPA_PLATFORM=offscreen "$1" --help 2>/dev/null)
# The page as text a reader sees: roff's "\-" is a hyphen, font changes are left out.
page=$(sed -e 's/\\-/-/g' -e 's/\\f[BIRP]//g' "$2")
missing=0
need() {
    printf '%s\n' "$page" | grep -qF -- "$1" || { echo "the manual page lacks $2 '$1'"; missing=1; }
}

commands=$(printf '%s\n' "$help" | awk '/^Commands:/ {c = 1; next} c && /^$/ {exit} c && /^  [^ -]/ {print $1}')
for command in $commands; do
    printf '%s\n' "$page" | grep -q "^$command\( \|\$\)" || { echo "the manual page lacks the command '$command'"; missing=1; }
done
for option in $(printf '%s\n' "$help" | grep -oE -- '(^| |\[)-{1,2}[a-z][a-z0-9-]*' | tr -d ' [' | sort -u); do
    need "$option" option
done
for variable in $(printf '%s\n' "$help" | grep -oE '\b[A-Z][A-Z0-9]*_[A-Z0-9_]+\b' | sort -u); do
    need "$variable" "environment variable"
done
# "Exit codes: 0 success, 1 ..." : each code is an entry of EXIT STATUS.
for code in $(printf '%s\n' "$help" | sed -n 's/^Exit codes: //p' | grep -oE '(^|, )[0-9]+' | tr -d ', '); do
    printf '%s\n' "$page" | sed -n '/^\.SH EXIT STATUS/,/^\.SH /p' | grep -qx "\.B $code" \
        || { echo "the manual page lacks the exit code $code"; missing=1; }
done
[ -n "$commands" ] || { echo "no commands found in --help"; missing=1; }
exit $missing
