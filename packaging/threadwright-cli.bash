# bash completion for threadwright-cli
#
# Commands and their options are read from the program's own --help, and palette keys and
# symbol set names from its `palettes` and `symbols` listings, so a new command or option
# completes without a change here.

# From the text of --help ($1): the line of one command ("  NAME SYNOPSIS", $2), or with $2
# empty the names of all commands.
_threadwright_cli_help_lines()
{
    awk -v want="${2-}" '
        /^Commands:/ { inside = 1; next }
        inside && /^$/ { exit }
        inside && want == "" && /^  [^ -]/ { print $1 }
        inside && want != "" && $1 == want { print; exit }' <<<"$1"
}

# The first column of a listing command (palette keys, symbol set names), quoted for the shell
# as they hold spaces. Matched here rather than by compgen -W, which would expand "$(...)" in a
# name from a user's file.
_threadwright_cli_listing()
{
    local name typed=${cur//\\/}
    typed=${typed#[\"\']}
    while IFS= read -r name; do
        [[ -n $name && $name == "$typed"* ]] && COMPREPLY+=("$(printf %q "$name")")
    done < <("$1" "${@:3}" "$2" 2>/dev/null | cut -f1)
}

# Folders, and files whose extension is one of $1 (a|b|c).
_threadwright_cli_files()
{
    local extglob
    extglob=$(shopt -p extglob)
    shopt -s extglob
    mapfile -t COMPREPLY < <(compgen -d -- "$cur"; compgen -f -X "!*.@($1)" -- "$cur")
    eval "$extglob"
    compopt -o filenames 2>/dev/null
}

_threadwright_cli()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local cli=${COMP_WORDS[0]} command="" data=() i
    for ((i = 1; i < COMP_CWORD; i++)); do
        case ${COMP_WORDS[i]} in
            --data) data=(--data "${COMP_WORDS[i + 1]}"); ((i++)) ;;
            -*) ;;
            *) [[ -z $command ]] && command=${COMP_WORDS[i]} ;;
        esac
    done

    if [[ $prev == --data ]]; then
        mapfile -t COMPREPLY < <(compgen -d -- "$cur")
        compopt -o filenames 2>/dev/null
        return
    fi
    local help
    help=$("$cli" --help 2>/dev/null)
    if [[ -z $command ]]; then
        if [[ $cur == -* ]]; then
            mapfile -t COMPREPLY < <(compgen -W "--data --help --version" -- "$cur")
        else
            mapfile -t COMPREPLY < <(compgen -W "$(_threadwright_cli_help_lines "$help")" -- "$cur")
        fi
        return
    fi

    local line
    line=$(_threadwright_cli_help_lines "$help" "$command")
    case $prev in
        --palette)
            _threadwright_cli_listing "$cli" palettes "${data[@]}"
            return ;;
        --symbols)
            # A flag for some commands, a set name for others: the help line tells which.
            if [[ $line == *"--symbols NAME"* ]]; then
                _threadwright_cli_listing "$cli" symbols "${data[@]}"
                return
            fi ;;
        -o)
            # The file kind follows the help's OUT.<extension>.
            local ext=${line#*OUT.}
            [[ $ext != "$line" ]] && { _threadwright_cli_files "${ext%%[^a-z]*}"; return; } ;;
        -*)
            # Choices written as a|b|c after the option.
            local after=${line#*"$prev "}
            after=${after%%[] ]*}
            if [[ $after != "$line" && $after == *"|"* ]]; then
                mapfile -t COMPREPLY < <(compgen -W "${after//|/ }" -- "$cur")
                return
            elif [[ $after =~ ^[A-Z0-9] ]]; then
                return
            fi ;;
    esac

    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$(grep -oE -- '(^| |\[)-{1,2}[a-z][a-z0-9-]*' <<<"$line" | tr -d ' [') --data" -- "$cur")
    elif [[ $line == *PICTURE* ]]; then
        _threadwright_cli_files "png|jpg|jpeg|bmp|gif|tif|tiff|webp|PNG|JPG|JPEG|BMP|GIF|TIF|TIFF|WEBP"
    else
        _threadwright_cli_files "qmk|qmkp|stv|QMK|QMKP|STV"
    fi
}

complete -F _threadwright_cli threadwright-cli
