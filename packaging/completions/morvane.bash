# bash completion for morvane                               -*- shell-script -*-
# Switches and options are written /name or --name, values after "=".

_morvane()
{
    local cur prev words cword
    # Keep "/case=lo" one word; readline may still replace only what follows "=".
    _init_completion -n = || return

    local i
    for ((i = 1; i < cword; i++)); do
        if [[ ${words[i]} == -- ]]; then
            _filedir
            return
        fi
    done

    if [[ $cur == @(/|--)+([A-Za-z])=* ]]; then
        local key=${cur%%=*} value=${cur#*=}
        key=${key#/}
        key=${key#--}
        case ${key,,} in
            case) COMPREPLY=($(compgen -W "lower upper title none" -- "$value")) ;;
            conflict) COMPREPLY=($(compgen -W "skip overwrite number" -- "$value")) ;;
            digits) COMPREPLY=($(compgen -W "1 2 3 4 5 6 7 8 9 10" -- "$value")) ;;
            preset) cur=$value _filedir json ;;
            *) return ;;
        esac
        # Without "=" among the word breaks readline replaces the whole word.
        if [[ $COMP_WORDBREAKS != *=* ]]; then
            COMPREPLY=("${COMPREPLY[@]/#/${cur%%=*}=}")
        fi
        return
    fi

    if [[ $cur == /* || $cur == --* ]]; then
        local names="/cli /quiet /dryrun /regex /undo /help"
        names+=" /pattern= /start= /digits= /case= /find= /replace= /newext= /conflict= /preset="
        [[ $cur == --* ]] && names=${names//\//--}
        COMPREPLY=($(compgen -W "$names" -- "$cur"))
        # "/" also begins an absolute path. Quoted here rather than with
        # "-o filenames", which would also escape the "=" of the options.
        if [[ $cur == /* ]]; then
            local path quoted
            while IFS= read -r path; do
                [[ -d $path ]] && path+=/
                printf -v quoted %q "$path"
                COMPREPLY+=("$quoted")
            done < <(compgen -f -- "$cur")
        fi
        # An option waits for its value and a folder for its files: no space.
        [[ ${#COMPREPLY[@]} -eq 1 && ${COMPREPLY[0]} == *[=/] ]] && compopt -o nospace
        return
    fi

    _filedir
} &&
    complete -F _morvane morvane

# ex: filetype=sh
