# The Debian packages the game, its asset forge and its tests need; sourced by
# ./play and ./run-tests, which install whatever is missing.
VELTRANE_PACKAGES=(
  g++ cmake make pkg-config
  libsdl2-dev libsdl2-image-dev libsdl2-ttf-dev libsdl2-mixer-dev libfontconfig-dev
  fonts-liberation2 timgm6mb-soundfont
  libcairo2-dev abcmidi sox espeak-ng
  googletest libgtest-dev libgmock-dev libbenchmark-dev clang-format clang libclang-rt-dev
  xvfb xauth imagemagick xdotool desktop-file-utils appstream
)

veltrane_install_packages() {
  local missing=()
  local pkg
  for pkg in "${VELTRANE_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
