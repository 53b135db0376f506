#!/usr/bin/env bash
# Installs what is missing, builds, and starts Velmora against the built-in simulated controller.
source "$(dirname "$0")/common.sh"
install_packages
build_all
exec "$BUILD/monitor/velmora" --demo "$@"
