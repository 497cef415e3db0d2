#pragma once
// "skaleron --help" and "skaleron --version": answered on stdout before the
// desktop starts, so they need no display and open no window.
#include <optional>

// The exit code when the command line asks only for help or the version
// (answered already), nothing when the program is to start.
std::optional<int> answerInfoRequest(int argc, char **argv);
