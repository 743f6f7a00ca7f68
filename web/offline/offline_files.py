"""Writes the site's service worker: the template with the files it keeps
and a version that changes with any of them.

    offline_files.py SITE TEMPLATE VERSION

The files kept are every file of SITE but the course packages, the denser
pictures (2x/, 3x/) and the worker itself, listed as addresses relative to
the site's top; the version is VERSION and a digest of their paths and
bytes."""
import hashlib
import json
import os
import sys
from urllib.parse import quote

site, template, version = sys.argv[1:4]
WORKER = "service-worker.js"


def kept(path):
    parts = path.split("/")
    return parts[0] != "packages" and "2x" not in parts and "3x" not in parts and path != WORKER


files = sorted(
    path
    for path in (os.path.relpath(os.path.join(folder, name), site).replace(os.sep, "/")
                 for folder, _, names in os.walk(site) for name in names)
    if kept(path))
digest = hashlib.sha256()
for path in files:
    digest.update(path.encode() + b"\0")
    with open(os.path.join(site, path), "rb") as f:
        digest.update(hashlib.sha256(f.read()).digest())
addresses = ["./"] + [quote(path) for path in files]
with open(template, encoding="utf-8") as f:
    text = f.read()
text = text.replace("@VERSION@", f"{version}-{digest.hexdigest()[:12]}")
text = text.replace("@FILES@", json.dumps(addresses))
with open(os.path.join(site, WORKER), "w", encoding="utf-8") as f:
    f.write(text)
