# The options a Skaleron program's help lists, one "name<TAB>description" a
# line, for the program and command given ("skaleron-cli rix new"): the fish
# completions of skaleron, skaleron-cli and skaleron-sim follow the help.
function __skaleron_help_options
    $argv --help 2>/dev/null | string replace -rf '^  (?:-\w, )?(-[-\w]+)(?: \S+)?  +(.*)$' '$1\t$2'
end
