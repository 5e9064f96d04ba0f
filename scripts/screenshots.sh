#!/usr/bin/env bash
# Pictures of the real program's screens, taken under Xvfb with a fresh data folder.
#
#   bash scripts/screenshots.sh [build-dir]
#
# Builds the program (in build-screenshots/ unless a build folder is given), runs it twice and
# saves PNGs in screenshots/: the first run (splash, introduction, keyboard picture), then a
# run on a database whose introduction is done and which holds a few assets (main menu,
# totals, goodbye). Each picture is one shot_* function; add yours to a run_* function.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT="$(pwd)"

if [ "${1:-}" != "--inside-display" ]; then
  source scripts/packages.sh
  PACKAGES+=(xvfb xauth imagemagick xdotool sqlite3)
  install_packages
  BUILD="${1:-$ROOT/build-screenshots}"
  if [ ! -f "$BUILD/CMakeCache.txt" ]; then
    cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DTLM_BUILD_TESTS=OFF -DTLM_BUILD_BENCH=OFF >/dev/null
  fi
  cmake --build "$BUILD" -j"$(nproc)" --target Tallowmere
  mkdir -p "$ROOT/screenshots"
  exec xvfb-run -a -s "-screen 0 1280x800x24" bash "$0" --inside-display "$BUILD"
fi

# ---------------------------------------------------------------- inside the display
BUILD="$2"
EXE="$BUILD/src/Tallowmere"
OUT="$ROOT/screenshots"
DATA="$(mktemp -d)"
PID=""
trap 'stop_program; rm -rf "$DATA"' EXIT

start_program() {
  XDG_DATA_HOME="$DATA" QT_QPA_PLATFORM=xcb "$EXE" >"$DATA/run.log" 2>&1 &
  PID=$!
}

stop_program() {
  if [ -n "$PID" ] && kill -0 "$PID" 2>/dev/null; then
    kill "$PID" 2>/dev/null || true
    wait "$PID" 2>/dev/null || true
  fi
  PID=""
}

# Waits until the program has ended by itself (the goodbye screen's timer).
wait_for_end() {
  for _ in $(seq 1 100); do
    kill -0 "$PID" 2>/dev/null || { wait "$PID" || true; PID=""; return 0; }
    sleep 0.1
  done
  echo "the program did not end by itself" >&2
  return 1
}

# The visible window whose title holds $1 (the newest when several are shown).
visible_window() {
  { xdotool search --onlyvisible --name "$1" 2>/dev/null || true; } | tail -1
}

# Waits until a window titled $1 (a case-insensitive pattern) is shown; prints its id.
wait_for_window() {
  local id=""
  for _ in $(seq 1 100); do
    id="$(visible_window "$1")"
    [ -n "$id" ] && { sleep 0.4; echo "$id"; return 0; }
    sleep 0.1
  done
  echo "no window titled '$1' appeared" >&2
  return 1
}

# Sends keys (xdotool names, e.g. alt+v Return) to the newest visible program window.
press() {
  local id
  id="$(wait_for_window "Tallowmere")"
  xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
  sleep 0.2
  xdotool key --clearmodifiers "$@"
  sleep 0.6
}

# Saves the whole screen, cut to the program's windows.
shot() {
  local name="$1"
  import -window root "$OUT/$name.png"
  # Trim the empty desktop around the windows, keeping a small border.
  convert "$OUT/$name.png" -trim -bordercolor black -border 12 +repage "$OUT/$name.png"
  echo "screenshots/$name.png"
}

sql() { sqlite3 "$DATA/Tallowmere/C_DB/TLM.db" "$1"; }

# Clicks a point of the newest program window, in that window's own coordinates.
click_at() {
  local id
  id="$(wait_for_window "Tallowmere")"
  xdotool mousemove --window "$id" "$1" "$2" click 1
  sleep 0.6
}

# Types text into the focused box of the newest program window.
type_text() {
  xdotool type --delay 40 "$1"
  sleep 0.4
}

# ---------------------------------------------------------------- shots
shot_splash() {
  wait_for_window "Tallowmere By Brindlecote Software" >/dev/null
  shot 01-splash
}

shot_introduction() {
  sleep 2.2 # the splash's timer
  wait_for_window "Tallowmere by Brindlecote Software" >/dev/null
  shot 02-introduction
}

shot_keyboard() {
  press alt+o # "&OK, Let's Begin!"
  shot 03-keyboard
}

shot_main_menu() {
  sleep 2.2
  wait_for_window "Tallowmere by Brindlecote Software" >/dev/null
  shot 04-main-menu
}

shot_totals() {
  press alt+v # "&Value"
  shot 05-totals
}

shot_goodbye() {
  press alt+o          # back to the main menu
  press alt+x          # "E&xit"
  press Return         # Yes to "Are You Sure You Want To Close Tallowmere?"
  shot 06-goodbye
  wait_for_end
}

# The asset roads: the main menu's "&Indoor", the area menu, its "&Add" and a refused save.
shot_area_menu() {
  sleep 2.2
  wait_for_window "Tallowmere by Brindlecote Software" >/dev/null
  press alt+i # "&Indoor"
  shot 07-indoor-menu
}

shot_asset_screen() {
  press alt+a # "&Add"
  shot 08-asset-add-indoor
}

shot_asset_refused() {
  press Return # the default "&Add Asset" with no location chosen
  shot 09-asset-location-missing
  press Return # OK
}

# The asset screen of another area: back to the main menu, then that area's "&Add".
shot_asset_screen_of() {
  local key="$1" name="$2"
  press alt+c  # "&Cancel"
  press Return # Yes to "Any Unsaved Changes Will Be Lost...Continue?"
  press alt+m  # the area menu's "&Main Menu"
  press "$key"
  press alt+a
  shot "$name"
}

# The warranty road: a new asset added with the warranty box ticked opens its warranty screen.
shot_warranty() {
  sleep 2.2
  wait_for_window "Tallowmere by Brindlecote Software" >/dev/null
  press alt+i                      # "&Indoor"
  press alt+a                      # "&Add"
  click_at 373 90                  # the location list's arrow
  press Down Down Return           # its second entry
  click_at 373 120                 # the category list's arrow
  press Down Down Return           # "Appliances"
  press Tab                        # the item list
  type_text "Refrigerator"
  click_at 640 63                  # the purchase date: opens the calendar at today
  press Return                     # today's date
  click_at 640 96                  # the purchase price
  type_text "1450"
  press Return                     # "&Add Asset"
  press Return                     # "Asset Has Been Added To Your Inventory!"
  click_at 160 158                 # the parts type
  press ctrl+a
  type_text "Limited"
  press Tab
  type_text "80"
  press Tab
  type_text "1250"
  press Tab Down Down Down Down    # the parts month
  press Tab Down Down Down         # its day
  press Tab $(printf 'Down %.0s' $(seq 1 26))  # its year
  click_at 160 192                 # the labor type
  press ctrl+a
  type_text "Lifetime"
  press Tab
  type_text "100"
  press Tab
  type_text "75"
  click_at 390 300                 # the terms
  type_text "Parts and labor covered when serviced by an authorized dealer."
  shot 10-warranty
}

# The print menu from the main menu's " &Print", then its "&All" with the report beside it.
shot_print_menu() {
  sleep 2.2
  wait_for_window "Tallowmere by Brindlecote Software" >/dev/null
  press alt+p
  shot 11-print-menu
  press alt+a
  shot 12-print-all
}

# The lookup-list editors: "< Add/Edit Location >" chosen in the asset screen's location list,
# then each option of the chooser on a location of our own.
open_location_editor() {
  click_at 373 90                  # the location list's arrow
  press Home Return                # "< Add/Edit Location >", its first entry
}

shot_list_editors() {
  sleep 2.2
  wait_for_window "Tallowmere by Brindlecote Software" >/dev/null
  press alt+i                      # "&Indoor"
  press alt+a                      # "&Add"
  open_location_editor
  shot 13-list-chooser
  press alt+a                      # "&Add"
  press alt+o                      # "C&ontinue"
  type_text "Sun Room"
  shot 14-list-add
  press alt+a                      # "&Add"
  press Return                     # OK
  open_location_editor
  press alt+h                      # "C&hange"
  press alt+o                      # "C&ontinue"
  press shift+Tab shift+Tab shift+Tab alt+Down End Return  # the current name: the last
  press Tab
  type_text "Sun Porch"
  shot 15-list-change
  press alt+h                      # "C&hange"
  press Return                     # OK
  open_location_editor
  press alt+d                      # "&Delete"
  press alt+o                      # "C&ontinue"
  click_at 260 90                  # the name list
  press End Return                 # its last name
  shot 16-list-delete
  press alt+d                      # "&Delete"
  press Return                     # Yes
  press Return                     # OK
}

# ---------------------------------------------------------------- runs
run_first() {
  start_program
  shot_splash
  shot_introduction
  shot_keyboard
  stop_program
}

# A few assets of each area and a policy that covers them, on top of the first run's database.
seed_assets() {
  sql "UPDATE Personal_Info SET IntroDone='1', CoverageAmount='\$50,000.00', Notify='No';"
  local rows=(
    "Indoor|Living Room|Electronics|Television|2024|Brightline|BL-55|SN-1001|3/2/2024|\$899.99"
    "Indoor|Kitchen|Appliances|Refrigerator|2022|Coldmark|CM-20|SN-2002|6/18/2022|\$1,450.00"
    "Indoor|Office|Electronics|Laptop|2025|Pinebook|PB-14|SN-3003|1/9/2025|\$1,199.00"
    "Outdoor|Garage|Lawn & Garden|Lawn Mower|2023|Greenrow|GR-21|SN-4004|4/30/2023|\$379.50"
    "Mobile|Car|Vehicle Electronics|GPS Navigator|2021|Waymark|WM-7|SN-5005|8/14/2021|\$189.00"
  )
  local r a l c t y mk md sn d amt
  for r in "${rows[@]}"; do
    IFS='|' read -r a l c t y mk md sn d amt <<<"$r"
    sql "INSERT INTO Inventory (Area, Location, Category, Type, Year, Make, Model, \"Serial/ VIN / ID\",
           \"Date Purchased\", Amount, Receipt, \"Receipt Location\", Description, NewUsed,
           PartsWarrantyType, PartsCoverage, PartsAmount, PartsExpireMonth, PartsExpireDay, PartsExpireYear,
           LaborWarrantyType, LaborCoverage, LaborAmount, LaborExpireMonth, LaborExpireDay, LaborExpireYear,
           WarrantyTerms)
         VALUES ('$a', '$l', '$c', '$t', '$y', '$mk', '$md', '$sn', '$d', '$amt', 'No', 'None', 'None', 'New',
           'None', 'None', 'None', 'None', 'None', 'None', 'None', 'None', 'None', 'None', 'None', 'None', 'None');"
  done
}

run_later() {
  seed_assets
  start_program
  shot_main_menu
  shot_totals
  shot_goodbye
}

run_assets() {
  start_program
  shot_area_menu
  shot_asset_screen
  shot_asset_refused
  shot_asset_screen_of alt+o 08-asset-add-outdoor
  shot_asset_screen_of alt+m 08-asset-add-mobile
  stop_program
}

run_warranty() {
  sql "UPDATE Personal_Info SET IntroDone='1', WarrantyCheck='Checked', Notify='No';"
  start_program
  shot_warranty
  press alt+s                      # "&Save"
  press Return                     # "Your Warranty Information Has Been Saved!"
  press alt+m                      # "&Main Menu"
  press Return                     # Yes to "Any Unsaved Changes Will Be Lost...Continue?"
  press alt+x                      # "E&xit"
  press Return                     # Yes
  wait_for_end
  # What a person would find stored, and in the backup.
  echo "stored: $(sql "SELECT Area, Location, Category, Type, Amount, PartsWarrantyType, PartsCoverage,
    PartsAmount, PartsExpireMonth, PartsExpireDay, PartsExpireYear, LaborWarrantyType, WarrantyTerms
    FROM Inventory ORDER BY AssetNumber DESC LIMIT 1;")"
  echo "running total: $(sql "SELECT AssetValue FROM Personal_Info;")"
  ls -l "$DATA/Tallowmere/Backup"
}

run_print() {
  start_program
  shot_print_menu
  stop_program
}

run_lists() {
  sql "UPDATE Personal_Info SET IntroDone='1', Notify='No';"
  start_program
  shot_list_editors
  stop_program
  echo "Indoor user rows: $(sql "SELECT Location, Category, Item, BuiltIn FROM Indoor_Items WHERE BuiltIn <> 1;")"
}

# The owner's road: the owner screen from the main menu, its insurance policy, the account
# chooser and an account shown for update.
run_owner() {
  sql "UPDATE Personal_Info SET IntroDone='1', Notify='Yes', Last='Okafor', First='Ada', Middle='N',
    Address='14 Harbour Lane', City='Portland', State='ME', ZIP='04101', \"Home Phone1\"='207',
    \"Home Phone2\"='555', \"Home Phone3\"='0142', EMail='ada.okafor@example.org',
    \"Policy Company\"='Harbor Mutual', \"Policy Number\"='HM-448812', \"Policy Expiration\"='12/31/2030',
    CoverageAmount='\$250,000.00';"
  sql "INSERT INTO Bank_Info (Institution, Address, Phone1, Phone2, Phone3, AccountNumber, RouteNumber, Balance,
         Date, AccountType, City, State)
       VALUES ('First Harbor Bank', '1 Quay Street', '207', '555', '0101', '4417-2290', '011000138',
         '\$1250.00', '3/2/2026', 'Checking', 'Portland', 'ME');"
  start_program
  sleep 2.2
  wait_for_window "Tallowmere by Brindlecote Software" >/dev/null
  press alt+r  # the main menu's "Pe&rsonal"
  shot 17-owner
  press alt+i  # "&Insurance Information"
  shot 18-insurance
  press alt+c  # "&Cancel": nothing changed, no question
  press alt+b  # "&Bank Account Information"
  shot 19-account-chooser
  press alt+v  # "&View / Update"
  press alt+o  # "C&ontinue"
  shot 20-account
  stop_program
}

# The search: 25 assets, the criteria screen, then every asset listed, pages 1 and 3.
fill_search_assets() {
  sql "UPDATE Personal_Info SET IntroDone='1', Notify='No'; DELETE FROM Inventory;"
  sql "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 25)
       INSERT INTO Inventory (Area, Location, Category, Type, Year, Make, Model, \"Serial/ VIN / ID\",
         \"Date Purchased\", Amount, Receipt, \"Receipt Location\", Description, NewUsed)
       SELECT CASE i % 3 WHEN 0 THEN 'Indoor' WHEN 1 THEN 'Outdoor' ELSE 'Mobile' END,
              CASE i % 3 WHEN 0 THEN 'Living Room' WHEN 1 THEN 'Garage' ELSE 'Car' END,
              'Electronics', 'Asset ' || i, 2000 + i, 'Make ' || char(64 + i), 'M-' || (100 + i),
              'SN-' || (1000 + i), '3/' || i || '/2024', '\$' || (i * 37) || '.00', 'Yes', 'File Cabinet',
              'None', 'New'
       FROM n;"
}

shot_search() {
  sleep 2.2
  wait_for_window "Tallowmere by Brindlecote Software" >/dev/null
  press alt+s  # the main menu's "&Search"
  shot 21-search
}

shot_results() {
  press alt+s  # "&Search" with every list at "Any"
  press Return # Yes to "This Search Will Display All Assets...Continue?"
  shot 22-results-page-1
  press alt+n # "&Next =>"
  press alt+n
  shot 23-results-page-3
}

run_search() {
  fill_search_assets
  start_program
  shot_search
  shot_results
  stop_program
}

# SHOTS_RUNS picks runs (the first run makes the database the others start from).
for run in ${SHOTS_RUNS:-run_first run_later run_assets run_warranty run_print run_lists run_owner run_search}; do
  "$run"
done
