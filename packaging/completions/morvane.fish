# fish completion for morvane: switches and options are written /name or
# --name, values after "=".

function __morvane_complete
    set -l token (commandline -ct)
    switch $token
        case '/case=*' '--case=*'
            string replace -r '=.*' '=' -- $token | read -l key
            printf '%s\n' $key{lower,upper,title,none}
        case '/conflict=*' '--conflict=*'
            string replace -r '=.*' '=' -- $token | read -l key
            printf '%s\n' $key{skip,overwrite,number}
        case '/preset=*' '--preset=*'
            string replace -r '=.*' '=' -- $token | read -l key
            set -l value (string replace -r '^[^=]*=' '' -- $token)
            for path in $value*
                if test -d $path
                    echo $key$path/
                else if string match -qi '*.json' -- $path
                    echo $key$path
                end
            end
        case '--*'
            printf '%s\n' --{cli,quiet,dryrun,regex,undo,help} --{pattern,start,digits,case,find,replace,newext,conflict,preset}=
        case '/*'
            printf '%s\n' /{cli,quiet,dryrun,regex,undo,help} /{pattern,start,digits,case,find,replace,newext,conflict,preset}=
            __fish_complete_path $token
    end
end

complete -c morvane -f -a '(__morvane_complete)'
complete -c morvane -n 'not string match -q -- "/*" (commandline -ct); and not string match -q -- "--*" (commandline -ct)' -F
