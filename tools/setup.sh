#!/usr/bin/env bash
# Installs every Debian package Tolvo needs to build, test and run, and generates
# a decimal-comma locale for the locale-independence tests. When everything is
# already present it only looks (dpkg-query and locale -a) and returns at once.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  libgtest-dev
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev qt6-svg-dev qt6-translations-l10n
  fonts-noto-cjk libfontconfig-dev
  poppler-utils fonts-dejavu-core
  xvfb xauth xdotool libx11-dev
  locales time
  clang libclang-rt-14-dev
  dpkg-dev lintian desktop-file-utils appstream libxml2-utils
  g++-mingw-w64-x86-64-posix googletest wine64 msitools wixl zip fonts-wine
)
test_locale=de_DE.UTF-8

# one dpkg-query for all: it lists the installed ones; the rest are missing
installed=$(dpkg-query -W -f='${db:Status-Status} ${Package}\n' "${packages[@]}" 2>/dev/null |
  awk '$1 == "installed" { print $2 }' || true)
missing=()
for p in "${packages[@]}"; do
  grep -qx -- "$p" <<<"$installed" || missing+=("$p")
done

have_locale() { locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; }

if [ ${#missing[@]} -eq 0 ] && have_locale; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if ! have_locale; then
  echo "setup: generating locale $test_locale"
  if ! grep -q "^de_DE.UTF-8 UTF-8" /etc/locale.gen 2>/dev/null; then
    echo "de_DE.UTF-8 UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
  fi
  $sudo locale-gen >/dev/null
fi
