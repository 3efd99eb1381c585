#!/usr/bin/env bash
# The program as a screen reader meets it: under a private D-Bus session with the AT-SPI bus, on a
# private Xvfb display, atspi_check.py finds the name field, the Find button and the results list
# by their names, searches through AT-SPI and reads the rows. Skipped (status 77) when the AT-SPI
# tools are missing.
#
# Usage: atspi_check.sh APP
set -euo pipefail
source "$(dirname "$0")/atspi_session.sh"
atspi_session "$0" "$@"
atspi_start_app "$1"
atspi_run atspi_check.py
