#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (labels: unit, integration, gui, interop).
source "$(dirname "$0")/common.sh"
install_packages
build_all
ctest --test-dir "$BUILD" --output-on-failure -j 2 "$@"
