# Sourced by the two entry commands: installs the Debian packages the suite
# needs when one is missing, and does nothing otherwise.
# libwmf plays Windows metafiles; it draws their texts with the URW fonts.
# poppler-utils reads back the PDFs calendrier-pdf writes, in its tests.
QUIVEX_PAQUETS=(cmake make g++ qt6-base-dev qt6-base-dev-tools libgl-dev
                fonts-liberation2 libbenchmark-dev xvfb xauth
                libwmf-dev fonts-urw-base35 poppler-utils)

# What CI adds: the format check, the fuzzers (clang and its libFuzzer).
QUIVEX_PAQUETS_CI=(clang-format clang-14 libclang-rt-14-dev)

quivex_installer_paquets() {
    local manquants=()
    for p in "${QUIVEX_PAQUETS[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || manquants+=("$p")
    done
    [ ${#manquants[@]} -eq 0 ] && return 0
    echo "Installation des paquets manquants : ${manquants[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${manquants[@]}"
}
