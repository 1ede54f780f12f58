# bash completion for pomelo: installed as completions/pomelo, where
# bash-completion loads it the first time pomelo's arguments are completed.

_pomelo() {
    local word=${COMP_WORDS[COMP_CWORD]}
    COMPREPLY=()
    # One command at a time, and a duration is free text: only the first word
    # is completed, and only as an option.
    if ((COMP_CWORD != 1)) || [[ -n $word && $word != -* ]]; then
        return
    fi
    local options="--again --clock --stopwatch --start --clear --quit --status --follow --help --version"
    mapfile -t COMPREPLY < <(compgen -W "$options" -- "$word")
}
complete -F _pomelo pomelo
