#!/usr/bin/python3
"""orca-speech-log.py LOG [ORCA OPTIONS...]: runs Orca, writing each line it
speaks ("SPEECH OUTPUT: '...'") to LOG as it speaks it.

No synthesizer is needed: Orca logs its speech before handing it to one, and
here it gets none. Orca normally refuses to start beside another Orca of the
same user, and --replace would end them all; this one runs on its own private
bus, so it starts beside them and ends none.
"""
import logging
import runpy
import sys

log_path = sys.argv.pop(1)
handler = logging.FileHandler(log_path, mode="w", encoding="utf-8")
handler.setFormatter(logging.Formatter("%(message)s"))
logging.getLogger("speech").addHandler(handler)

# Without a speech server module Orca speaks to its log alone.
sys.modules["speechd"] = None

launcher = runpy.run_path("/usr/bin/orca", run_name="orca_launcher")
main = launcher["main"]
main.__globals__["otherOrcas"] = lambda: []
main.__globals__["setProcessName"] = lambda _name: None
sys.argv[0] = "orca"
sys.exit(main())
