#!/bin/sh
# Starts the installed game from its folder, which holds every data file it reads.
here=$(dirname "$(readlink -f "$0")")
exec "$here/../lib/veltrane/veltrane" "$@"
