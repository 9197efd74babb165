#!/bin/sh
# Stands in for velmora-cli when help2man asks for the help: the program's own help,
# then that of each of its commands, so the manual page covers every option.
# The program to ask is in VELMORA_CLI.
set -eu
case "${1:-}" in
--version)
    exec "$VELMORA_CLI" --version
    ;;
--help)
    help=$("$VELMORA_CLI" --help)
    printf '%s\n' "$help" | sed '/^Examples:/,$d'
    # The commands are the first words of the indented lines under "Subcommands:".
    commands=$(printf '%s\n' "$help" | sed -n '/^Subcommands:/,/^$/s/^  \([a-z][a-z-]*\) .*/\1/p')
    for command in $commands; do
        printf "\nCommand %s:\n" "$command"
        # The summary and the usage line as paragraphs of their own, the options under them;
        # each command repeats the program's examples, which come once, at the end.
        "$VELMORA_CLI" "$command" --help | sed -e '/^Examples:/,$d' -e '/^Options:$/d' -e '/^Positionals:$/d' \
            -e '1,2s/^/  /' -e '1,2G'
    done
    # One example to a paragraph, a continued line joined to its start.
    printf '%s\n' "$help" | sed -n '/^Examples:/,$p' | sed -e ':a' -e '/\\$/{N;s/\\\n *//;ba' -e '}' -e '2,$G'
    ;;
*)
    echo "usage: VELMORA_CLI=program $0 --help|--version" >&2
    exit 2
    ;;
esac
