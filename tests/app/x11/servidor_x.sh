#!/bin/sh
# Runs a program on a screen of its own: an X server in memory and a window manager, both
# started here and stopped when the program ends, so that no display, network or person is
# needed. The program's exit code is this script's.
set -u

pasta=$(mktemp -d)
servidor=
gerente=
encerra() {
    [ -n "$gerente" ] && kill "$gerente" 2>/dev/null && wait "$gerente" 2>/dev/null
    [ -n "$servidor" ] && kill "$servidor" 2>/dev/null && wait "$servidor" 2>/dev/null
    rm -rf "$pasta"
}
trap encerra EXIT
export XDG_RUNTIME_DIR="$pasta"
trap 'exit 130' INT TERM

# The server picks a free display number itself and writes it once it takes connections.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$pasta/tela" 2>"$pasta/servidor.log" &
servidor=$!
for _ in $(seq 100); do
    grep -q . "$pasta/tela" 2>/dev/null && break
    kill -0 "$servidor" 2>/dev/null || break
    sleep 0.1
done
if ! grep -q . "$pasta/tela" 2>/dev/null; then
    echo "O servidor X não começou:" >&2
    cat "$pasta/servidor.log" >&2
    exit 1
fi
DISPLAY=:$(cat "$pasta/tela")
export DISPLAY

# The window manager with its shipped settings, whatever the user running the tests keeps.
HOME=$pasta XDG_CONFIG_HOME=$pasta XDG_CACHE_HOME=$pasta openbox --sm-disable >"$pasta/gerente.log" 2>&1 &
gerente=$!

"$@"
codigo=$?
if [ "$codigo" -ne 0 ] && [ -s "$pasta/gerente.log" ]; then
    echo "Mensagens do gerenciador de janelas:" >&2
    cat "$pasta/gerente.log" >&2
fi
exit "$codigo"
