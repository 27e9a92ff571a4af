#!/usr/bin/env bash
# Starts the real program under a virtual X server and waits for its main window.
set -u
exe="$1"
inner=$(mktemp)
cat > "$inner" <<'INNER'
#!/usr/bin/env bash
env -u QT_QPA_PLATFORM "$1" &
pid=$!
for _ in $(seq 1 100); do
  if xdotool search --name '^Ardenvo V0\.3\.1$' >/dev/null 2>&1; then
    kill "$pid"; wait "$pid" 2>/dev/null
    echo "window found"
    exit 0
  fi
  if ! kill -0 "$pid" 2>/dev/null; then echo "program ended early"; exit 1; fi
  sleep 0.1
done
kill "$pid" 2>/dev/null
echo "no window named 'Ardenvo V0.3.1' within 10 s"
exit 1
INNER
chmod +x "$inner"
xvfb-run -a -s "-screen 0 1280x1024x24" "$inner" "$exe"
rc=$?
rm -f "$inner"
exit $rc
