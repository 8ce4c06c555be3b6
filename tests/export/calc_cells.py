#!/usr/bin/python3
"""What LibreOffice Calc makes of our exported files, cell by cell, for the export tests.

Usage: /usr/bin/python3 calc_cells.py LOCALE FILE[:KIND] [FILE[:KIND] ...]
Runs a private soffice (fresh profile, own pipe: copies run side by side) as a
user of LOCALE would (LC_ALL=LANG=LOCALE.UTF-8), opens each FILE as KIND says:
  book (default): as a document, e.g. an .xlsx; values: a CSV read in English
  (USA), as we tell users of decimal-comma locales to; text: a CSV with its
  first 16 columns imported as Text; html: a table through "HTML (StarCalc)",
  as Calc reads a pasted one;
and prints {"files": [{"path", "kind", "sheets": [{"name", "rows", "sums"}]}]}:
each sheet's used area, cells {"t": empty|text|number|date, "v": the text or
number (a date's serial, days since 1899-12-30), "s": as shown}, and for each
column holding numbers ("0", "1", ...) the SUM() Calc computes over it.
"""
import contextlib, csv, datetime, json, os, pathlib, shutil, signal, subprocess, sys, tempfile, time, uuid

import uno
from com.sun.star.beans import PropertyValue
from com.sun.star.connection import NoConnectException

# CSV options: separator, quote, charset (76 = UTF-8), first line, column types
# (2 = Text), language (1033 = English (USA)), quoted as text, detect special.
CSV = "Text - txt - csv (StarCalc)"
FILTERS = {
    "book": (None, None),
    "values": (CSV, "44,34,76,1,,1033,false,false"),
    "text": (CSV, "44,34,76,1," + "/".join(f"{c}/2" for c in range(1, 17)) + ",1033,false,false"),
    "html": ("HTML (StarCalc)", None),
}
DATE = 2  # com.sun.star.util.NumberFormat.DATE, also set in DATETIME


def props(**values):
    return tuple(PropertyValue(Name=k, Value=v) for k, v in values.items() if v is not None)


@contextlib.contextmanager
def office(locale, work):
    """The desktop of an soffice of our own, which ends however we leave."""
    soffice = shutil.which("soffice") or "/usr/bin/soffice"  # none: Popen says so
    pipe = f"calc_cells_{os.getpid()}_{uuid.uuid4().hex}"
    env = dict(os.environ, LC_ALL=f"{locale}.UTF-8", LANG=f"{locale}.UTF-8")
    env.pop("LANGUAGE", None)
    log = pathlib.Path(work, "soffice.log")
    with open(log, "w") as out:  # a session of its own: the soffice.bin that oosplash starts ends with it
        proc = subprocess.Popen(
            [soffice, "-env:UserInstallation=" + pathlib.Path(work, "profile").as_uri(),
             f"--accept=pipe,name={pipe};urp;", "--headless", "--invisible", "--nologo",
             "--norestore", "--nodefault", "--nofirststartwizard"],
            env=env, stdin=subprocess.DEVNULL, stdout=out, stderr=out, start_new_session=True)
    desktop = None
    try:
        local = uno.getComponentContext()
        resolver = local.ServiceManager.createInstanceWithContext("com.sun.star.bridge.UnoUrlResolver", local)
        deadline = time.monotonic() + 60
        while desktop is None:
            try:
                ctx = resolver.resolve(f"uno:pipe,name={pipe};urp;StarOffice.ComponentContext")
                desktop = ctx.ServiceManager.createInstanceWithContext("com.sun.star.frame.Desktop", ctx)
            except NoConnectException:
                if time.monotonic() > deadline or proc.poll() is not None:
                    raise RuntimeError(f"soffice did not answer (exit code {proc.poll()}): {log.read_text()}")
                time.sleep(0.25)
        try:
            yield desktop
        except Exception as error:  # over a dead bridge pyuno's errors are cryptic: say soffice is gone
            with contextlib.suppress(subprocess.TimeoutExpired):
                proc.wait(timeout=0 if isinstance(error, RuntimeError) else 2)
            if proc.returncode is not None:
                raise RuntimeError(f"soffice quit (exit code {proc.returncode}): {log.read_text()}") from error
            raise
    finally:
        if desktop is not None:
            with contextlib.suppress(Exception):  # the bridge goes down with soffice
                desktop.terminate()
        try:
            proc.wait(timeout=5 if desktop is not None else 0)
        except subprocess.TimeoutExpired:
            with contextlib.suppress(ProcessLookupError):
                os.killpg(proc.pid, signal.SIGKILL)
            proc.wait()
        with contextlib.suppress(OSError):  # a pipe's socket outlives an soffice that did not end itself
            os.unlink(f"/tmp/OSL_PIPE_{os.getuid()}_{pipe}")


def cells_of(ranges):
    return {(y, x) for r in ranges for y in range(r.StartRow, r.EndRow + 1)
            for x in range(r.StartColumn, r.EndColumn + 1)}


def shown_strings(doc, index, scratch):
    """The sheet as Calc shows it (what getString() gives), from one CSV export
    "as shown": asking each cell over the bridge takes about a millisecond."""
    folder = tempfile.mkdtemp(dir=scratch)
    doc.storeToURL(pathlib.Path(folder, "sheet.csv").as_uri(),  # Calc adds "-<sheet name>" to the name
                   props(FilterName=CSV, FilterOptions=f"44,34,76,1,,0,false,true,true,false,false,{index + 1}"))
    (written,) = pathlib.Path(folder).iterdir()
    with open(written, newline="", encoding="utf-8") as f:
        return list(csv.reader(f))


def read_sheet(doc, index, scratch):
    sheet = doc.Sheets.getByIndex(index)
    cursor = sheet.createCursor()
    cursor.gotoEndOfUsedArea(False)
    last_col, last_row = cursor.RangeAddress.EndColumn, cursor.RangeAddress.EndRow
    used = sheet.getCellRangeByPosition(0, 0, last_col, last_row)
    empty = cells_of(used.queryEmptyCells().RangeAddresses)
    # Cells that look alike share a number format: one lookup per look, not per cell.
    dates = cells_of([r for group in used.UniqueCellFormatRanges
                      if doc.NumberFormats.getByKey(group.NumberFormat).Type & DATE for r in group.RangeAddresses])
    null = doc.NullDate  # where serial numbers count from: 1899-12-30 but in a 1904 workbook
    null_offset = (datetime.date(null.Year, null.Month, null.Day) - datetime.date(1899, 12, 30)).days
    shown = shown_strings(doc, index, scratch)
    rows, numeric = [], set()
    for y, row in enumerate(used.DataArray):
        cells = []
        for x, v in enumerate(row):
            s = shown[y][x] if y < len(shown) and x < len(shown[y]) else ""
            if (y, x) in empty:
                cells.append({"t": "empty", "v": None, "s": ""})
            elif isinstance(v, str):
                cells.append({"t": "text", "v": v, "s": s})
            else:
                numeric.add(x)
                date = (y, x) in dates
                cells.append({"t": "date" if date else "number", "v": v + null_offset if date else v, "s": s})
        rows.append(cells)
    if rows == [[{"t": "empty", "v": None, "s": ""}]]:
        rows = []  # an empty sheet
    sums = {}
    if numeric:  # Calc adds each column up in the free row under the used area
        below = sheet.getCellRangeByPosition(0, last_row + 1, last_col, last_row + 1)
        formulas = [f"=SUM({sheet.getCellRangeByPosition(x, 0, x, last_row).AbsoluteName})" if x in numeric else ""
                    for x in range(last_col + 1)]
        below.setFormulaArray((tuple(formulas),))
        doc.calculateAll()
        totals = below.DataArray[0]
        sums = {str(x): totals[x] for x in sorted(numeric)}
    return {"name": sheet.Name, "rows": rows, "sums": sums}


def read_file(desktop, path, kind, scratch):
    # Calc opens a copy, under the same name as it names a CSV's sheet after the file: its lock
    # file then lies in our folder, and copies of this script may read the same file at once.
    copy = shutil.copy(path, tempfile.mkdtemp(dir=scratch))
    name, options = FILTERS[kind]
    doc = desktop.loadComponentFromURL(uno.systemPathToFileUrl(os.path.abspath(copy)), "_blank", 0,
                                       props(Hidden=True, FilterName=name, FilterOptions=options))
    if doc is None or not hasattr(doc, "Sheets"):
        raise RuntimeError(f"{path}: Calc could not open it as a spreadsheet ({kind})")
    try:
        sheets = [read_sheet(doc, i, scratch) for i in range(doc.Sheets.Count)]
        return {"path": path, "kind": kind, "sheets": sheets}
    finally:
        with contextlib.suppress(Exception):  # soffice ends after us anyway
            doc.setModified(False)  # the sums we added are not to be saved
            doc.close(True)


def main(argv):
    if len(argv) < 3:
        sys.exit(__doc__)
    # A test that gives up on us sends SIGTERM: leave no soffice or profile behind.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("calc_cells.py: terminated"))
    files = []
    for arg in argv[2:]:
        path, colon, kind = arg.rpartition(":")
        path, kind = (path, kind) if colon and not os.path.exists(arg) else (arg, "book")
        if kind not in FILTERS:
            sys.exit(f"calc_cells.py: {path}: unknown kind {kind!r}")
        if not os.path.isfile(path):
            sys.exit(f"calc_cells.py: {path}: no such file")
        files.append((path, kind))
    try:
        with tempfile.TemporaryDirectory(prefix="calc_cells_") as work, office(argv[1], work) as desktop:
            result = {"files": [read_file(desktop, path, kind, work) for path, kind in files]}
    except Exception as error:  # ours say what went wrong; others need their type too
        sys.exit(f"calc_cells.py: {error if isinstance(error, RuntimeError) else f'{type(error).__name__}: {error}'}")
    json.dump(result, sys.stdout)
    print()


if __name__ == "__main__":
    main(sys.argv)
