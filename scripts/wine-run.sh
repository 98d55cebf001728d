#!/usr/bin/env bash
# Runs a Windows program under the project's Wine prefix (ctest's emulator).
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
exec wine "$@"
