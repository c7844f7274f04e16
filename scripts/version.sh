#!/usr/bin/env bash
# Prints the plug-in's version, as written in src/common/version.h ("1.5.0").
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
version="$(sed -n 's/^#define HUELOOM_VERSION_TEXT "\([^"]*\)"$/\1/p' "$here/src/common/version.h")"
if [[ ! "$version" =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]]; then
  echo "version: cannot read HUELOOM_VERSION_TEXT from src/common/version.h (got '$version')" >&2
  exit 1
fi
echo "$version"
