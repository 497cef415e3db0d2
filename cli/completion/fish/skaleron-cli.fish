# fish completion for skaleron-cli: the commands and subcommands of the usage
# forms of its help, and each one's options from its own help, read at each
# Tab so that they follow the tool.

# The usage forms of the help, without the program name.
function __skaleron_cli_forms
    skaleron-cli --help 2>/dev/null | string replace -rf '^(?:Usage:|  or:) +skaleron-cli ' ''
end

# The subcommands of the command typed, while none is typed yet.
function __skaleron_cli_subcommands
    set -l typed (commandline -opc)
    test (count $typed) -eq 2; or return 1
    __skaleron_cli_forms | string replace -rf "^$typed[2] ([a-z][a-z-]*)( .*)?\$" '$1' | sort -u
end

# The command typed, with its subcommand if it has one ("rix new", "read").
function __skaleron_cli_command
    set -l typed (commandline -opc)
    if set -q typed[3]; and __skaleron_cli_forms | string match -qr -- "^$typed[2] $typed[3]( |\$)"
        echo $typed[2] $typed[3]
    else
        echo $typed[2]
    end
end

complete -c skaleron-cli -f -n 'test (count (commandline -opc)) -eq 1' \
    -a '(__skaleron_cli_forms | string replace -r " .*" "" | sort -u)'
complete -c skaleron-cli -f -n '__skaleron_cli_subcommands >/dev/null' -a '(__skaleron_cli_subcommands)'
complete -c skaleron-cli -n 'test (count (commandline -opc)) -gt 1; and string match -q -- "-*" (commandline -ct)' \
    -a '(__skaleron_help_options skaleron-cli (string split " " -- (__skaleron_cli_command)))'
