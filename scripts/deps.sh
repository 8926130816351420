#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages that are missing for the given purpose: run, test, fuzz, bench or package.
set -euo pipefail

packages=(cmake g++ make qt6-base-dev libgl-dev fonts-liberation2 fonts-dejavu-core)
for purpose in "$@"; do
  case "$purpose" in
    run) packages+=(fonts-wine) ;;
    test) packages+=(fonts-wine libgtest-dev python3 xvfb xdotool imagemagick x11-utils locales tesseract-ocr wkhtmltopdf) ;;
    fuzz) packages+=(clang libclang-rt-14-dev) ;;
    bench) packages+=(libbenchmark-dev libx11-dev libxdamage-dev xvfb x11-utils) ;;
    package) packages+=(dpkg-dev file desktop-file-utils appstream lintian) ;;
  esac
done

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

# The tests run once more under German regional settings (LC_ALL=de_DE.UTF-8), whose decimal comma
# the program must never pick up.
german_locale() {
  [[ " $* " == *" test "* ]] || return 0
  locale -a 2>/dev/null | grep -qiE '^de_DE\.utf-?8$' && return 0
  echo "Generating the de_DE.UTF-8 locale"
  $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "(could not generate de_DE.UTF-8)"
}

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  german_locale "$@"
  exit 0
fi

echo "Installing: ${missing[*]}"
# fonts-wine is a nicety (a Tahoma); a distribution without it still builds and runs.
optional=(fonts-wine)
$sudo apt-get update -qq
required=()
for p in "${missing[@]}"; do [[ " ${optional[*]} " == *" $p "* ]] || required+=("$p"); done
[ ${#required[@]} -gt 0 ] && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${required[@]}"
for p in "${optional[@]}"; do
  [[ " ${missing[*]} " == *" $p "* ]] && { DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "$p" || echo "($p not available; using DejaVu Sans instead)"; }
done
german_locale "$@"
exit 0
