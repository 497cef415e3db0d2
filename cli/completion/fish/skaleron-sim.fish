# fish completion for skaleron-sim: its options from its help.
complete -c skaleron-sim -n 'string match -q -- "-*" (commandline -ct)' -a '(__skaleron_help_options skaleron-sim)'
