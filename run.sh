#!/usr/bin/env bash
# Installs what is missing, builds, and starts KRV1.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh run
scripts/build.sh app
exec build-app/app/krv1 "$@"
