#!/usr/bin/env bash
# node_run.sh TIMEOUT PROGRAM.js ARGS...: runs a program built for the web
# under node in the current directory, as wine_run.sh runs a Windows one
# under Wine.  Node 20's own fetch would shadow the one the loader expects.
set -uo pipefail
seconds=$1
shift
exec timeout "$seconds" node --no-experimental-fetch "$@"
