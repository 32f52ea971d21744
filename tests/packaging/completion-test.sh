#!/usr/bin/env bash
# What the bash completion of threadwright-cli offers for a few command lines.
#   completion-test.sh COMPLETION CLI DATA
set -u
# shellcheck source=packaging/threadwright-cli.bash
source "$1"
cli=$(realpath "$2") datadir=$(realpath "$3")
failed=0

complete -p threadwright-cli | grep -q -- '-F _threadwright_cli' || { echo "no completion for threadwright-cli"; exit 1; }

# The words offered after the given command line (its last word is the one being completed).
offers()
{
    COMP_WORDS=("$cli" "$@")
    COMP_CWORD=$#
    COMPREPLY=()
    _threadwright_cli
    printf '%s\n' "${COMPREPLY[@]}" | sort | paste -sd' '
}

files=$(mktemp -d)
trap 'rm -rf "$files"' EXIT
touch "$files/rose.qmk" "$files/rose.png" "$files/notes.txt"
mkdir "$files/more"

while IFS='|' read -r line expected; do
    read -ra words <<<"$line"
    [[ $line == *' ' ]] && words+=("")
    got=$(cd "$files" && offers "${words[@]}")
    [[ $got == "$expected" ]] || { echo "after '$line' expected '$expected', got '$got'"; failed=1; }
done <<EOF_CASES
con|convert
--data $datadir pal|palettes
--|--data --help --version
convert rose.png --di|--dither --dither-level
convert rose.png --dither s|sierra-lite stucki
convert rose.png --max-colors |
info |more rose.qmk
convert |more rose.png
render rose.qmk -o |more rose.png
convert rose.png --data $datadir --palette Anc|Anchor\ Stranded\ Cotton\ v1
EOF_CASES
exit $failed
