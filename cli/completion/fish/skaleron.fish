# fish completion for skaleron: its options from its help; projects as files.
complete -c skaleron -n 'string match -q -- "-*" (commandline -ct)' -a '(__skaleron_help_options skaleron)'
