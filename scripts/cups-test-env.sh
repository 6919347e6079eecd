# Sourced by scripts/wine-test.sh. mw_cups_start, before the first Wine call (Wine lists the
# printers when it starts): starts cupsd when none is running, adds a PDF queue whose files land
# in a temporary folder and makes it the default; beside it a watcher turns each PDF that lands
# into NAME.pdf.txt (pdftotext), NAME.pdf.info (pdfinfo) and a picture of its first page in the
# screenshots, so that the tests under Wine can read them. mw_cups_export_paths (after the Wine
# prefix exists) tells the tests where: MW_PDF_DIR, a Windows path. mw_cups_stop undoes all of it.
# mw_cups_remove_queue and mw_cups_add_queue take the queue away and back for the no-printer test.
mw_cups_pid=""
mw_cups_dir=""
mw_cups_queue=""
mw_cups_watcher=""
mw_cups_default=""
mw_cups_shots=""

mw_cups_running() { LC_ALL=C lpstat -r 2>/dev/null | grep -q 'is running'; }

mw_cups_add_queue() {
  # CUPS-PDF reads cups-pdf-QUEUE.conf for the queue "cups-pdf:/QUEUE".
  printf 'Out %s\nAnonDirName %s\nLabel 1\nTitlePref 0\n' "$mw_cups_dir/out" "$mw_cups_dir/out" \
    >"/etc/cups/cups-pdf-$mw_cups_queue.conf"
  # lpadmin warns that printer drivers are deprecated on every queue it adds: said only on failure.
  local said
  said=$(lpadmin -p "$mw_cups_queue" -v "cups-pdf:/$mw_cups_queue" -E \
    -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd -o PageSize=A4 2>&1) || { echo "$said" >&2; return 1; }
  # The server's default (lpoptions -d would leave a default of its own in ~/.cups).
  lpadmin -d "$mw_cups_queue"
}

mw_cups_remove_queue() {
  lpadmin -x "$mw_cups_queue" 2>/dev/null
  rm -f "/etc/cups/cups-pdf-$mw_cups_queue.conf"
}

mw_cups_start() {
  if [ ! -x /usr/sbin/cupsd ] || [ ! -x /usr/lib/cups/backend/cups-pdf ] || ! command -v pdftotext >/dev/null; then
    echo "printing: cups, printer-driver-cups-pdf or poppler-utils is missing (scripts/setup.sh installs them)" >&2
    return 1
  fi
  if ! mw_cups_running; then
    /usr/sbin/cupsd -f >/dev/null 2>&1 &
    mw_cups_pid=$!
    for _ in $(seq 100); do mw_cups_running && break; sleep 0.1; done
    if ! mw_cups_running; then
      echo "printing: cupsd did not start" >&2
      return 1
    fi
  fi
  mw_cups_default=$(LC_ALL=C lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p')
  mw_cups_dir=$(mktemp -d)
  mkdir -p "$mw_cups_dir/out"
  chmod 1777 "$mw_cups_dir" "$mw_cups_dir/out"
  mw_cups_queue=mw-pdf-$$
  mw_cups_add_queue || { echo "printing: the PDF queue could not be added" >&2; return 1; }
  mw_cups_shots=$PWD/build/screenshots
  mw_cups_watch &
  mw_cups_watcher=$!
}

# A PDF is read once its size has stood still and pdfinfo takes it whole.
mw_cups_watch() {
  local pdf size
  while sleep 0.3; do
    for pdf in "$mw_cups_dir"/out/*.pdf "$mw_cups_dir"/out/*/*.pdf; do
      [ -e "$pdf" ] && [ ! -e "$pdf.info" ] || continue
      size=$(stat -c %s "$pdf"); sleep 0.5
      [ "$size" = "$(stat -c %s "$pdf")" ] || continue
      pdfinfo "$pdf" >"$pdf.info.part" 2>/dev/null || { rm -f "$pdf.info.part"; continue; }
      pdftotext -layout "$pdf" "$pdf.txt"
      mkdir -p "$mw_cups_shots"
      pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$pdf" "$mw_cups_shots/pdf-$(basename "$pdf" .pdf)"
      mv "$pdf.info.part" "$pdf.info"
    done
  done
}

mw_cups_export_paths() {
  export MW_PDF_DIR="$(mw_windows_path "$mw_cups_dir/out")"
}

mw_cups_stop() {
  if [ -n "$mw_cups_watcher" ]; then
    kill "$mw_cups_watcher" 2>/dev/null; wait "$mw_cups_watcher" 2>/dev/null
  fi
  if [ -n "$mw_cups_queue" ]; then
    mw_cups_remove_queue
    [ -n "$mw_cups_default" ] && lpadmin -d "$mw_cups_default" >/dev/null 2>&1
  fi
  if [ -n "$mw_cups_pid" ]; then
    kill "$mw_cups_pid" 2>/dev/null; wait "$mw_cups_pid" 2>/dev/null
  fi
  [ -n "$mw_cups_dir" ] && rm -rf "$mw_cups_dir"
  mw_cups_pid="" mw_cups_dir="" mw_cups_queue="" mw_cups_watcher=""
}
